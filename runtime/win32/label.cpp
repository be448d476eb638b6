#include "runtime/win32/label.h"

#include <commctrl.h>

#include "runtime/win32/focus_stop.h"

namespace vortalis::win32 {
namespace {

constexpr UINT_PTR kCharactersSubclass = 1;

}  // namespace

void Label::Create(Window& parent, const std::string& caption) {
    Control::Create(parent, L"STATIC", caption, SS_LEFT | SS_NOPREFIX);
}

void FocusHolder::Create(Window& parent) {
    Control::Create(parent, L"STATIC", "", kFocusStop);
    SetWindowSubclass(Handle(), &FocusHolder::TakeCharacters, kCharactersSubclass, 0);
}

LRESULT CALLBACK FocusHolder::TakeCharacters(HWND holder, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    // The dialog keys read a letter typed on a control that wants no characters
    // as a button's "&" letter, Alt or not. This one says it wants them; the
    // system's static control then drops them.
    switch (message) {
        case WM_GETDLGCODE:
            return DefSubclassProc(holder, message, wParam, lParam) | DLGC_WANTCHARS;
        case WM_NCDESTROY:
            RemoveWindowSubclass(holder, &FocusHolder::TakeCharacters, kCharactersSubclass);
            break;
    }
    return DefSubclassProc(holder, message, wParam, lParam);
}

}  // namespace vortalis::win32
