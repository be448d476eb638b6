// The message box where the Windows API is at hand: no toolkit to load.

#include <windows.h>

#include <string>

#include "runtime/errors/error_report.h"

namespace vortalis {
namespace {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        length);
    return wide;
}

}  // namespace

bool DisplayAvailable() { return true; }

bool ShowPlatformMessageBox(std::string_view title, std::string_view text, MessageIcon icon) {
    const UINT style = MB_OK | (icon == MessageIcon::Critical ? MB_ICONHAND : 0);
    return MessageBoxW(nullptr, Widen(text).c_str(), Widen(title).c_str(), style) != 0;
}

}  // namespace vortalis
