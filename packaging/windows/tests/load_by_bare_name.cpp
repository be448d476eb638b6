// Loads the library named on its command line by its bare name, with the
// system's default search: what every program did before it said where to
// look: the test's proof that this Windows would load a planted library.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    return LoadLibraryW(argv[1]) != nullptr ? 0 : 1;
}
