#include "runtime/win32/list_text.h"

#include "runtime/text/wide_text.h"

namespace vortalis::win32 {

std::string ListText(HWND list, UINT lengthMessage, UINT textMessage, int index) {
    const auto length = SendMessageW(list, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, textMessage, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return Narrow(text);
}

}  // namespace vortalis::win32
