#pragma once

#include <string>
#include <string_view>

namespace vortalis {

// The system's texts end their lines as Windows does (CR LF); a Qt label and a
// terminal show the CR as a stray character, so they get the single LF.
inline std::string ShownLines(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') continue;
        shown += text[at];
    }
    return shown;
}

// The other way, for what Windows reads (its clipboard, its text boxes): every
// lone LF becomes CR LF; a CR LF stays one.
inline std::string WindowsLines(std::string_view text) {
    std::string windows;
    windows.reserve(text.size() + text.size() / 16);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' && (at == 0 || text[at - 1] != '\r')) windows += '\r';
        windows += text[at];
    }
    return windows;
}

}  // namespace vortalis
