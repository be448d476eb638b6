#pragma once

// What a Windows screen reader reads of one of our windows, through the
// system's accessibility interface (MSAA), printed in UTF-8: the window, then
// each visible control in the order of its windows (the tab order), one a line
// as   role "name" [focusable]
// Read from inside the program that owns the window: Wine carries no such
// object from one process to another.

#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "runtime/text/wide_text.h"

namespace vortalis::testing {

inline void PrintAccessibleName(HWND window, const char* indent) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
        std::printf("%s? (no accessible object)\n", indent);
        return;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    VARIANT state{};
    BSTR name = nullptr;
    accessible->get_accRole(self, &role);
    accessible->get_accState(self, &state);
    accessible->get_accName(self, &name);
    wchar_t roleText[128] = {};
    GetRoleTextW(role.vt == VT_I4 ? static_cast<DWORD>(role.lVal) : 0, roleText, 128);
    const bool focusable = state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_FOCUSABLE) != 0;
    std::printf("%s%s \"%s\"%s\n", indent, Narrow(roleText).c_str(),
                name != nullptr ? Narrow(name).c_str() : "", focusable ? " focusable" : "");
    SysFreeString(name);
    accessible->Release();
}

inline void PrintAccessibleNames(HWND window) {
    CoInitialize(nullptr);
    PrintAccessibleName(window, "");
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) PrintAccessibleName(child, "  ");
    }
    CoUninitialize();
}

}  // namespace vortalis::testing
