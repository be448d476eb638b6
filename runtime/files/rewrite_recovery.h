#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "runtime/files/file_system.h"

namespace vortalis {

// A file that a killed program left half rewritten in place, and whether its
// original could be put back.
struct InterruptedRewrite {
    std::filesystem::path file;
    std::error_code error;  // none when the original is back
    std::filesystem::path backup;
};

// Puts back the originals of the files that killed programs left half rewritten
// in place, and removes the backups that no running program holds and that no
// longer serve, and the temporary files killed programs left beside the files
// they were replacing. A backup whose file could not be put back is kept for
// the next start.
std::vector<InterruptedRewrite> RecoverInterruptedRewrites(FileSystem& files = SystemFiles());

// What to tell the user of one such file, in French.
std::string RecoveryMessage(const InterruptedRewrite& rewrite);

}  // namespace vortalis
