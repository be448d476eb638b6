#pragma once

#include <filesystem>

namespace vortalis::pathwell {

// A regular file with an execute bit for anyone: what the system would try to run.
inline bool IsExecutableFile(const std::filesystem::file_status& status) {
    using std::filesystem::perms;
    return std::filesystem::is_regular_file(status) &&
           (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) !=
               perms::none;
}

}  // namespace vortalis::pathwell
