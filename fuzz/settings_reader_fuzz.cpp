// Any bytes as the note's settings file: read or refused with a numbered error,
// and what is read, written again, reads back the same.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "memoleaf/core/settings_file.h"
#include "runtime/errors/run_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vortalis;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    memoleaf::NoteSettings settings;
    try {
        settings = memoleaf::ParseSettings(text);
    } catch (const RunError&) {
        return 0;
    }
    std::string written;
    try {
        written = memoleaf::FormatSettings(settings.windowTop, settings.windowLeft,
                                           settings.windowHeight, settings.windowWidth, settings);
    } catch (const RunError&) {
        return 0;  // a font name the file cannot hold is refused, not mangled
    }
    memoleaf::NoteSettings again = memoleaf::ParseSettings(written);
    // Geometry is written in whole twips.
    again.windowTop = settings.windowTop = 0;
    again.windowLeft = settings.windowLeft = 0;
    again.windowHeight = settings.windowHeight = 0;
    again.windowWidth = settings.windowWidth = 0;
    if (!(again == settings)) std::abort();
    return 0;
}
