#include "runtime/process/command_line.h"

namespace vortalis {

std::string CommandLineText(int argc, const char* const* argv) { return JoinArguments(argc, argv); }

std::string CommandLineTextUtf8(int argc, const char* const* argv) {
    return JoinArguments(argc, argv);
}

}  // namespace vortalis
