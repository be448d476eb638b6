#pragma once

#include <filesystem>
#include <string>

#include "runtime/tests/support/temporary_folder.h"

namespace vortalis::testing {

// Writes a colour file whose fields 21 onwards are `colours` (comma-separated),
// after twenty fields the window skips.
inline void WriteColourFile(const std::filesystem::path& path, const std::string& colours) {
    std::string text;
    for (int i = 1; i <= 20; ++i) text += std::to_string(i) + (i % 5 == 0 ? "\r\n" : ",");
    text += colours + "\r\n";
    WriteBytes(path, Bytes(text.begin(), text.end()));
}

}  // namespace vortalis::testing
