// Asks the window of class CLASS whether it is alive (WM_NULL, as the system
// asks before it calls a window hung), again and again while files matching
// PATTERN (a transform's temporary file) lie there. Prints how many answers
// came and the longest wait for one, in milliseconds; exits 1 when no window
// or no such file came within 30 s.
//   window_answers CLASS PATTERN

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr UINT kLongest = 30000;  // milliseconds

bool Exists(const wchar_t* pattern) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern, &found);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    return search != INVALID_HANDLE_VALUE;
}

}  // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 3) return 2;
    HWND window = nullptr;
    for (ULONGLONG start = GetTickCount64(); GetTickCount64() - start < kLongest; Sleep(10)) {
        window = FindWindowW(arguments[1], nullptr);
        if (window != nullptr && Exists(arguments[2])) break;
    }
    int answers = 0;
    ULONGLONG longest = 0;
    while (window != nullptr && Exists(arguments[2])) {
        const ULONGLONG asked = GetTickCount64();
        DWORD_PTR result = 0;
        const bool answered =
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kLongest, &result) != 0;
        longest = std::max(longest, GetTickCount64() - asked);
        if (!answered) break;
        ++answers;
        Sleep(10);
    }
    std::printf("%d %llu\n", answers, longest);
    return answers > 0 ? 0 : 1;
}
