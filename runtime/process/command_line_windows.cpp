#include <windows.h>

#include "runtime/process/command_line.h"

namespace vortalis {

std::string CommandLineText(int /*argc*/, const char* const* /*argv*/) {
    return std::string(ArgumentTextOf(GetCommandLineA()));
}

}  // namespace vortalis
