// Prints, in UTF-8, the texts of the controls of the top-level window titled as
// its argument: what a message box says, for the tests that drive a program.
//   window_texts TITLE

#include <windows.h>

#include <cstdio>
#include <string>

#include "runtime/text/wide_text.h"

namespace {

BOOL CALLBACK PrintText(HWND control, LPARAM /*unused*/) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    if (!text.empty()) std::printf("%s\n", vortalis::Narrow(text).c_str());
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
