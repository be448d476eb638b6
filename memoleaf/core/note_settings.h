#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "runtime/errors/run_error.h"

namespace vortalis::memoleaf {

// Indexes into NoteSettings::noteColours, as the colour menu entries use them.
inline constexpr int kBackgroundColour = 0;
inline constexpr int kTextColour = 1;

// What the settings file keeps between runs: the note window's place and size,
// the note font and the text area's two colours.
struct NoteSettings {
    // Twips, as the window reports them; held as read.
    double windowTop = 1;
    double windowLeft = 1;
    double windowHeight = 5000;
    double windowWidth = 5000;
    std::string fontName;  // UTF-8 here, Windows-1252 in the file
    std::int16_t fontSize = 9;
    bool fontBold = false;
    bool fontItalic = false;
    // 0x00BBGGRR, or a system colour reference (negative).
    std::array<std::int32_t, 2> noteColours{};

    bool operator==(const NoteSettings&) const = default;
};

struct LoadedSettings {
    NoteSettings settings;
    // Whether leaving through the menu must write the file.
    bool settingsChanged = true;
    // Set when a file was there but could not be read: the defaults stand in and
    // the report says why.
    std::optional<RunError> damage;
};

// The settings of a first run: the window supplies the first screen font and
// the text area's own colours.
NoteSettings DefaultSettings(const std::string& firstScreenFont, std::int32_t background,
                             std::int32_t text);

}  // namespace vortalis::memoleaf
