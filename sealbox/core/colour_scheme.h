#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "runtime/files/file_system.h"

namespace vortalis::sealbox {

// The window's five colours, as Windows colour values (a negative value refers to
// a system colour).
struct ColourScheme {
    enum Index { kListBackground, kListText, kWindowBackground, kWindowText, kButtonBackground };
    static constexpr std::size_t kCount = 5;
    std::array<std::int32_t, kCount> colours{};

    std::int32_t operator[](Index index) const { return colours[index]; }
};

// The colours the window was designed with: the system's own for boxes, window
// and buttons.
ColourScheme DesignColours();

// Fields 21 to 25 of a colour file's text, whole 32-bit numbers. Throws RunError
// when the text holds fewer fields or a colour is not a number, naming `source`
// and the field.
ColourScheme ParseColourScheme(std::string_view text,
                               const std::string& source = "fichier de couleurs");

// Reads a colour file. Throws RunError when it cannot be read or parsed.
ColourScheme ReadColourScheme(const std::filesystem::path& path, FileSystem& files = SystemFiles());

}  // namespace vortalis::sealbox
