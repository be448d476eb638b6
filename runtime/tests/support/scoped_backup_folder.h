#pragma once

// Points the backups of rewrites in place at a folder of the test's own for as
// long as it lives, so that tests neither see nor touch the user's.

#include <cstdlib>
#include <optional>
#include <string>

#include "rewrite_backup.h"
#include "temporary_folder.h"

namespace vortalis::testing {

class ScopedBackupFolder {
  public:
    ScopedBackupFolder() {
        if (const char* value = std::getenv("XDG_STATE_HOME")) previous_ = value;
        ::setenv("XDG_STATE_HOME", state_.Path().c_str(), 1);
    }
    ~ScopedBackupFolder() {
        if (previous_) {
            ::setenv("XDG_STATE_HOME", previous_->c_str(), 1);
        } else {
            ::unsetenv("XDG_STATE_HOME");
        }
    }
    ScopedBackupFolder(const ScopedBackupFolder&) = delete;
    ScopedBackupFolder& operator=(const ScopedBackupFolder&) = delete;

    std::filesystem::path Folder() const { return state_.Path() / "vortalis"; }
    // What is in the backup folder: nothing once every rewrite is done.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(Folder(), ignored))
            names.push_back(entry.path().filename().string());
        return names;
    }

    // What a program killed while rewriting `file` in place leaves: the file half
    // rewritten (here with `now`), and its `original` in a backup with a record.
    void LeaveInterruptedRewrite(const std::filesystem::path& file,
                                 const std::vector<std::uint8_t>& original,
                                 const std::vector<std::uint8_t>& now,
                                 const std::string& id = "abc123") {
        std::filesystem::create_directories(Folder());
        WriteBytes(file, original);
        WriteBytes(BackupPath(Folder(), id), original);
        FileStatus status;
        SystemFiles().Status(file, status);
        WriteRecord(SystemFiles(), Folder(), id,
                    {std::filesystem::canonical(file), status.device, status.inode, status.size,
                     status.created});
        WriteBytes(file, now);
    }

  private:
    TemporaryFolder state_;
    std::optional<std::string> previous_;
};

}  // namespace vortalis::testing
