#include <windows.h>

#include "runtime/text/ansi_text.h"

namespace vortalis {

std::string CommandLineAnsi(std::string_view text) { return std::string(text); }

std::filesystem::path CommandLinePath(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return std::filesystem::path(std::move(wide));
}

}  // namespace vortalis
