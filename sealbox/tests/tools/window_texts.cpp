// Prints, in UTF-8, the texts of the controls of the top-level window titled as
// its argument: what a message box says, for the tests that drive a program.
//   window_texts TITLE

#include <windows.h>

#include <cstdio>
#include <string>

#include "runtime/win32/control.h"

namespace {

BOOL CALLBACK PrintText(HWND control, LPARAM /*unused*/) {
    const std::string text = vortalis::win32::TextOf(control);
    if (!text.empty()) std::printf("%s\n", text.c_str());
    return TRUE;
}

}  // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 2) {
        std::fprintf(stderr, "usage: window_texts TITLE\n");
        return 2;
    }
    HWND window = FindWindowW(nullptr, arguments[1]);
    if (window == nullptr) return 1;
    EnumChildWindows(window, &PrintText, 0);
    return 0;
}
