#pragma once

#include <string>
#include <system_error>
#include <vector>

namespace vortalis {

// Starts `program` (a path, not looked up on PATH) with `arguments`, each
// passed as it is: no shell reads them. The program runs as a process of its
// own, in a session of its own, that nobody has to wait for. It reads the file
// descriptor `input` (which the caller still closes) or, without one,
// /dev/null. The result is the system's reason when it could not be executed
// (a missing file, a folder, a file that is no program), or none once it runs.
std::error_code StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                              int input = -1);

}  // namespace vortalis
