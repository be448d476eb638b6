#pragma once

// Points the backups of rewrites in place at a folder of the test's own for as
// long as it lives, so that tests neither see nor touch the user's.

#include <chrono>
#include <string>
#include <thread>

#include "runtime/files/rewrite_backup.h"
#include "runtime/tests/support/environment.h"
#include "runtime/tests/support/temporary_folder.h"

namespace vortalis::testing {

// Where BackupFolder() starts from.
#ifdef _WIN32
inline constexpr const char* kBackupBaseVariable = "LOCALAPPDATA";
#else
inline constexpr const char* kBackupBaseVariable = "XDG_STATE_HOME";
#endif

class ScopedBackupFolder {
  public:
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
    ScopedVariable base_{kBackupBaseVariable, state_.Path().string()};
};

// Recovery knows the file it backed up by its creation time, among others. Wine
// reports the time of the last change in its place, so that a rewritten file
// looks like a new one there; Windows itself keeps it.
inline bool CreationTimeSurvivesRewrites() {
    TemporaryFolder folder;
    const std::filesystem::path file = folder / "probe";
    WriteBytes(file, {1});
    FileStatus before;
    SystemFiles().Status(file, before);
    // Past the coarsest clock a file system keeps.
    for (int wait = 0; wait < 25; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        WriteBytes(file, {2});
        FileStatus after;
        SystemFiles().Status(file, after);
        if (after.created != before.created) return false;
    }
    return true;
}

}  // namespace vortalis::testing
