#include "memoleaf/core/note_settings.h"

namespace vortalis::memoleaf {

NoteSettings DefaultSettings(const std::string& firstScreenFont, std::int32_t background,
                             std::int32_t text) {
    NoteSettings settings;
    settings.fontName = firstScreenFont;
    settings.noteColours = {background, text};
    return settings;
}

}  // namespace vortalis::memoleaf
