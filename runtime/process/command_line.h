#pragma once

#include <string>
#include <string_view>

namespace vortalis {

// The program's argument vector as one command-line text: the arguments after
// the program's name joined by single spaces, nothing quoted or unquoted.
std::string JoinArguments(int argc, const char* const* argv);

// The text after the program's name on a Windows command line, the name found
// as the system finds it: up to the closing quote when the line starts with
// one, otherwise up to the first blank; the blanks after it are skipped. The
// rest is left whole: nothing split, no quotes removed, inner blanks kept.
std::string_view ArgumentTextOf(std::string_view commandLine);

// The program's command-line text. On Windows, the raw line's argument text, so
// that two blanks in a row or a quote reach the program as typed; elsewhere the
// system hands over separate words only, and they are joined.
std::string CommandLineText(int argc, const char* const* argv);

// The same text in UTF-8, for the windowed programs, whose paths may hold any
// letter: on Windows read from the wide command line, not the ANSI one.
std::string CommandLineTextUtf8(int argc, const char* const* argv);

}  // namespace vortalis
