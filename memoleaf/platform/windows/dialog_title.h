#pragma once

#include <windows.h>

namespace vortalis::memoleaf {

// A common dialog's hook that gives the dialog the title in its request's
// lCustData (a wide string): the system's own titles would not say which
// colour is asked, and are in the system's language, not the note's.
template <typename Request>
UINT_PTR CALLBACK SetDialogTitle(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return 0;
    const auto* request = reinterpret_cast<const Request*>(lParam);
    SetWindowTextW(dialog, reinterpret_cast<const wchar_t*>(request->lCustData));
    return TRUE;  // the dialog sets the focus as it would without the hook
}

}  // namespace vortalis::memoleaf
