#include "pathwell/platform/windows/windows_command_line.h"

namespace vortalis::pathwell {

std::string WindowsCommandLineText(const LaunchCommand& command) {
    std::string text = '"' + command.program + '"';
    if (command.argument) text += ' ' + *command.argument;
    return text;
}

}  // namespace vortalis::pathwell
