#include "runtime/win32/control.h"

#include "runtime/text/wide_text.h"

namespace vortalis::win32 {

void Control::Create(HWND parent, const wchar_t* windowClass, const std::string& text, DWORD style,
                     int id, DWORD extendedStyle) {
    id_ = id;
    handle_ = CreateWindowExW(extendedStyle, windowClass, Widen(text).c_str(),
                              WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
}

std::wstring WideTextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string TextOf(HWND window) { return Narrow(WideTextOf(window)); }

void SetTextOf(HWND window, const std::string& utf8) {
    SetWindowTextW(window, Widen(utf8).c_str());
}

void Control::SetText(const std::string& utf8) { SetTextOf(handle_, utf8); }

std::string Control::Text() const { return TextOf(handle_); }

void Control::Place(const RECT& pixels) {
    MoveWindow(handle_, pixels.left, pixels.top, pixels.right - pixels.left,
               pixels.bottom - pixels.top, TRUE);
}

void Control::SetFont(HFONT font) { Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

void Control::Focus() { SetFocus(handle_); }

LRESULT Control::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageW(handle_, message, wParam, lParam);
}

}  // namespace vortalis::win32
