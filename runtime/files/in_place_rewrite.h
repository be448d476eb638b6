#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

#include "runtime/files/file_system.h"

namespace vortalis {

// Rewrites a file over its own bytes, so that it stays the same file: its owner,
// group, access lists, attributes and other names are kept, and a folder that
// refuses new files does not matter. The original is first copied to a backup in
// the user's state folder, with a record naming the file; a failure, a refusal or
// a killed program (at its next start) puts the original back from it.
class InPlaceRewrite {
  public:
    InPlaceRewrite(std::filesystem::path target, FileSystem& files);
    ~InPlaceRewrite();  // restores the original unless committed
    InPlaceRewrite(const InPlaceRewrite&) = delete;
    InPlaceRewrite& operator=(const InPlaceRewrite&) = delete;

    // Backs the file up and opens it for writing; nothing is written to it yet.
    std::error_code Begin();
    std::error_code WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    // Cuts the file at `length`, flushes it and drops the backup.
    std::error_code Commit(std::uint64_t length);
    // Puts the original back and drops the backup; should that fail, the backup
    // and its record stay for the next start to try again.
    std::error_code Restore();

  private:
    std::error_code MakeBackup(const FileStatus& original);
    void DropBackup();
    void CloseAll();
    void Close(FileSystem::Handle& handle);

    std::filesystem::path target_;
    FileSystem& files_;
    std::filesystem::path folder_;
    std::filesystem::path backup_;
    std::string id_;
    std::uint64_t originalSize_ = 0;
    FileSystem::Handle file_ = FileSystem::kNoHandle;
    FileSystem::Handle backupHandle_ = FileSystem::kNoHandle;
    FileSystem::Handle recordHandle_ = FileSystem::kNoHandle;
    bool active_ = false;
};

// Puts a file back from its backup: its first `size` bytes and its length.
std::error_code PutBack(FileSystem& files, FileSystem::Handle backup, FileSystem::Handle file,
                        std::uint64_t size);

}  // namespace vortalis
