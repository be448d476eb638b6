#include "pathwell/platform/windows/windows_command_line.h"

#include "runtime/text/wide_text.h"

namespace vortalis::pathwell {

std::string WindowsCommandLineText(const LaunchCommand& command) {
    std::string text = '"' + command.program + '"';
    if (command.argument) text += ' ' + *command.argument;
    return text;
}

std::wstring WideCommandLine(const LaunchCommand& command) {
    return Widen(WindowsCommandLineText(command));
}

}  // namespace vortalis::pathwell
