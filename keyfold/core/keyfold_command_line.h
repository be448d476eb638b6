#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cipher/keyed_shift_cipher.h"

namespace vortalis::keyfold {

struct KeyfoldFields {
    std::string fileName;
    std::string password;
    std::string mode;
};

// Cuts the command-line text at its first two commas. Later commas are dropped
// and the text on both sides runs on into the mode; nothing is trimmed or
// unquoted, and missing fields stay empty.
KeyfoldFields SplitKeyfoldCommandLine(std::string_view commandLine);

// "C" enciphers and "D" deciphers, in either case; anything else is no mode.
std::optional<CipherMode> ParseKeyfoldMode(std::string_view field);

}  // namespace vortalis::keyfold
