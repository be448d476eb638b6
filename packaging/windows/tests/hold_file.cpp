// Holds a file as Windows holds a running program's own .exe: others may
// read it, but none may write, rename or delete it. Wine does not lock a
// running program's file, so the setup program's test holds it with this
// instead. Prints "tenu" once the file is held; lets it go once the file
// UNTIL exists, and then prints "rendu".
//   hold_file FILE UNTIL

#include <windows.h>

#include <cstdio>

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 3) {
        std::fprintf(stderr, "usage: hold_file FILE UNTIL\n");
        return 2;
    }
    HANDLE file = CreateFileW(arguments[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "hold_file: cannot open the file (error %lu)\n", GetLastError());
        return 1;
    }
    std::printf("tenu\n");
    std::fflush(stdout);
    while (GetFileAttributesW(arguments[2]) == INVALID_FILE_ATTRIBUTES) Sleep(50);
    CloseHandle(file);
    std::printf("rendu\n");
    return 0;
}
