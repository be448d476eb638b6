#include <windows.h>

#include "runtime/process/command_line.h"
#include "runtime/text/wide_text.h"

namespace vortalis {

std::string CommandLineText(int /*argc*/, const char* const* /*argv*/) {
    return std::string(ArgumentTextOf(GetCommandLineA()));
}

std::string CommandLineTextUtf8(int /*argc*/, const char* const* /*argv*/) {
    return std::string(ArgumentTextOf(Narrow(GetCommandLineW())));
}

}  // namespace vortalis
