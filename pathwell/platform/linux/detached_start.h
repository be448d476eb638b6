#pragma once

#include <string>
#include <system_error>
#include <vector>

namespace vortalis::pathwell {

// Starts `program` (a path, not looked up on PATH) with `arguments`, each
// passed as it is: no shell reads them. The program runs as a process of its
// own, in a session of its own, reading from /dev/null, that nobody has to
// wait for. The result is the system's reason when it could not be executed
// (a missing file, a folder, a file that is no program), or none once it runs.
std::error_code StartDetached(const std::string& program,
                              const std::vector<std::string>& arguments);

}  // namespace vortalis::pathwell
