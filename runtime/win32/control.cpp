#include "runtime/win32/control.h"

#include "runtime/text/wide_text.h"
#include "runtime/win32/system_colour.h"
#include "runtime/win32/window.h"

namespace vortalis::win32 {

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

void Control::Create(Window& parent, const wchar_t* windowClass, const std::string& text,
                     DWORD style, DWORD extendedStyle) {
    parent_ = &parent;
    // Known to the parent before it exists: a list asks for its rows' height
    // while it is being made.
    const int id = parent.Adopt(*this);
    CreateWithId(parent.Handle(), windowClass, text, style, id, extendedStyle);
    parent.Adopted(*this, handle_);
}

void Control::CreateWithId(HWND parent, const wchar_t* windowClass, const std::string& text,
                           DWORD style, int id, DWORD extendedStyle) {
    handle_ = CreateWindowExW(extendedStyle, windowClass, Widen(text).c_str(),
                              WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
}

void Control::AnswerFor(HWND part) {
    if (parent_ != nullptr && part != nullptr) parent_->Adopted(*this, part);
}

void Control::SetText(const std::string& utf8) { SetTextOf(handle_, utf8); }

std::string Control::Text() const { return TextOf(handle_); }

void Control::Place(const RECT& pixels) {
    MoveWindow(handle_, pixels.left, pixels.top, pixels.right - pixels.left,
               pixels.bottom - pixels.top, TRUE);
}

void Control::SetFont(HFONT font) { Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

HFONT Control::Font() const { return reinterpret_cast<HFONT>(Send(WM_GETFONT)); }

void Control::Focus() { SetFocus(handle_); }

void Control::SetColours(std::int32_t back, std::int32_t fore) {
    if (colours_ == nullptr) {
        colours_ = std::make_unique<ControlColours>(back, fore);
    } else {
        colours_->Set(back, fore);
    }
    Repaint();
}

void Control::SetBackColour(std::int32_t back) {
    // Until told otherwise, the text keeps the system's colour for buttons.
    SetColours(back,
               colours_ != nullptr ? colours_->StoredFore() : SystemColourValue(COLOR_BTNTEXT));
}

void Control::Repaint() const {
    if (handle_ != nullptr) RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

HBRUSH Control::OnColour(HDC dc) { return colours_ != nullptr ? colours_->Prepare(dc) : nullptr; }

LRESULT Control::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageW(handle_, message, wParam, lParam);
}

}  // namespace vortalis::win32
