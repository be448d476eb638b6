#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <system_error>

#include "runtime/files/file_system.h"
#include "runtime/files/in_place_rewrite.h"
#include "runtime/files/replacement_record.h"

namespace vortalis {

// Rewrites a file so that a failure or a killed program leaves the old file
// whole, and so that the file stays what the user made it.
//
// A file the running user may not write is refused. Otherwise the new content
// goes to a temporary file beside it, which takes the file's owner, group,
// permissions and extended attributes and then replaces it in one step. Where
// that would not give back the same file (an owner or an attribute that cannot
// be copied, several names) or the folder refuses new files, the file is
// rewritten in place instead, with a backup to put it back from. A symbolic
// link is followed and its target rewritten; a file that does not exist yet is
// created. Not committed, nothing of the new content stays.
class SafeFileWriter {
  public:
    explicit SafeFileWriter(std::filesystem::path target, FileSystem& files = SystemFiles());
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    std::error_code Open();
    std::error_code Write(std::span<const std::uint8_t> bytes);
    std::error_code Commit();
    // Drops the new content; rewriting in place, puts the original back.
    std::error_code Discard();

    // Whether the file is being rewritten in place rather than replaced.
    bool InPlace() const { return inPlace_ != nullptr; }

    // Temporary files are named this and six letters: plainly ours, hidden by
    // the dot on POSIX (by an attribute on Windows), and short, so that a file
    // whose path is near the system's limit still has room for its replacement.
    static constexpr const char* kTemporaryPrefix = ".vortalis-tmp-";

  private:
    std::error_code CreateReplacement();
    std::error_code OpenInPlace();
    void DropTemporary();

    FileSystem& files_;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    FileSystem::Handle handle_ = FileSystem::kNoHandle;
    ReplacementRecord record_;
    std::unique_ptr<InPlaceRewrite> inPlace_;
    std::uint64_t written_ = 0;
};

// Writes `bytes` as a file's whole new content through a SafeFileWriter.
std::error_code WriteWholeFile(const std::filesystem::path& target,
                               std::span<const std::uint8_t> bytes,
                               FileSystem& files = SystemFiles());

}  // namespace vortalis
