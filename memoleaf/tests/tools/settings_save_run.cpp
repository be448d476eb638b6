// Memoleaf's save of its settings as a process of its own, for the tests that
// run it as another user: "settings_save_run FILE" writes the defaults to FILE.

#include <cstdio>

#include "memoleaf/core/note_settings.h"
#include "memoleaf/core/settings_file.h"
#include "runtime/errors/run_error.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: settings_save_run FILE\n");
        return 2;
    }
    using namespace vortalis::memoleaf;
    try {
        SaveSettings(argv[1], 0, 0, 4995, 4995, DefaultSettings("Arial", 8454143, 0));
    } catch (const vortalis::RunError& error) {
        std::fprintf(stderr, "Erreur %d : %s\n", error.Number(), error.what());
        return 1;
    }
    return 0;
}
