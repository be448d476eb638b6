#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vortalis {

// The programs' texts and files are 8-bit Windows-1252 ("ANSI") text; the system
// here speaks UTF-8. These convert at that border.

// A text that cannot become Windows-1252: a character with no form there, or
// bytes that are not UTF-8. The message says which, in French.
class AnsiConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws AnsiConversionError rather than replacing a character silently.
std::string Utf8ToAnsi(std::string_view utf8);

// Command-line text in the ANSI code page. Windows hands a program its command
// line in that code page already; elsewhere it arrives in UTF-8 and is converted,
// throwing AnsiConversionError as Utf8ToAnsi does.
std::string CommandLineAnsi(std::string_view text);

// A path in command-line text: on Windows in the system's ANSI code page, which
// the system decodes it with (so that "€uro.txt" is found under Windows-1252, and
// a name under any code page); elsewhere the command line is UTF-8 already.
std::filesystem::path CommandLinePath(std::string_view text);

// Never fails: the five bytes Windows-1252 leaves undefined become the C1
// controls of the same value, as Windows itself converts them.
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace vortalis
