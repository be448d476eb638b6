#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

#include "file_system.h"

namespace vortalis {

// Writes a file's new content beside it and puts it in the file's place in one
// step, so that a failure or a killed program leaves the old file whole. The
// temporary file takes the target's permissions; a symbolic link is followed and
// its target replaced; file and folder are flushed before and after the rename.
// Not committed, the temporary file is removed.
class SafeFileWriter {
  public:
    explicit SafeFileWriter(std::filesystem::path target, FileSystem& files = SystemFiles());
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    std::error_code Open();
    std::error_code Write(std::span<const std::uint8_t> bytes);
    std::error_code Commit();
    void Discard();

    // Temporary files start with this, after a dot: hidden, and plainly ours.
    static constexpr const char* kTemporaryMark = ".vortalis-tmp-";

  private:
    FileSystem& files_;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    FileSystem::Handle handle_ = FileSystem::kNoHandle;
    std::uint64_t written_ = 0;
};

// Writes `bytes` as a file's whole new content through a SafeFileWriter.
std::error_code WriteWholeFile(const std::filesystem::path& target,
                               std::span<const std::uint8_t> bytes,
                               FileSystem& files = SystemFiles());

// Replaces a file's bytes with `replacement` through a SafeFileWriter. Where the
// folder refuses a temporary file but the file itself may be written, writes in
// place instead and, should that fail, puts `original` back.
std::error_code ReplaceFileContents(const std::filesystem::path& target,
                                    std::span<const std::uint8_t> replacement,
                                    std::span<const std::uint8_t> original,
                                    FileSystem& files = SystemFiles());

}  // namespace vortalis
