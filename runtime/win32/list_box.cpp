#include "runtime/win32/list_box.h"

#include <commctrl.h>

#include "runtime/text/wide_text.h"
#include "runtime/win32/focus_stop.h"
#include "runtime/win32/list_text.h"

namespace vortalis::win32 {
namespace {

constexpr UINT_PTR kEnterSubclass = 1;

}  // namespace

void ListBox::Create(Window& parent, DWORD extraStyle) {
    Control::Create(
        parent, L"LISTBOX", "",
        LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | kFocusStop | extraStyle,
        WS_EX_CLIENTEDGE);
    SetWindowSubclass(Handle(), &ListBox::OpenWithEnter, kEnterSubclass,
                      reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK ListBox::OpenWithEnter(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR /*id*/, DWORD_PTR self) {
    // The dialog keys take Enter for the window's default button; a list that
    // opens its rows takes it to open the chosen one, as a double click does.
    const auto& box = *reinterpret_cast<const ListBox*>(self);
    const bool opening = wParam == VK_RETURN && box.onOpen;
    switch (message) {
        case WM_GETDLGCODE: {
            const auto* keys = reinterpret_cast<const MSG*>(lParam);
            const LRESULT code = DefSubclassProc(list, message, wParam, lParam);
            if (box.onOpen && keys != nullptr && keys->message == WM_KEYDOWN &&
                keys->wParam == VK_RETURN)
                return code | DLGC_WANTMESSAGE;
            return code;
        }
        case WM_KEYDOWN:
            if (!opening) break;
            box.Open();
            return 0;
        case WM_CHAR:
            if (wParam == L'\r' && box.onOpen) return 0;
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(list, &ListBox::OpenWithEnter, kEnterSubclass);
            break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

bool ListBox::OnCommand(int notification) {
    if (notification == LBN_SELCHANGE) {
        if (onSelectionChanged) onSelectionChanged();
        return true;
    }
    if (notification == LBN_DBLCLK) {
        Open();
        return true;
    }
    return false;
}

void ListBox::Open() const {
    const int row = Selected();
    if (onOpen && row >= 0) onOpen(row);
}

void ListBox::Clear() { Send(LB_RESETCONTENT); }

void ListBox::Add(const std::string& text) {
    Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

int ListBox::Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }

int ListBox::Selected() const { return static_cast<int>(Send(LB_GETCURSEL)); }

void ListBox::Select(int index) { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }

std::string ListBox::ItemText(int index) const {
    return ListText(Handle(), LB_GETTEXTLEN, LB_GETTEXT, index);
}

void ListBox::SetItemHeight(int pixels) { Send(LB_SETITEMHEIGHT, 0, pixels); }

}  // namespace vortalis::win32
