#pragma once

namespace vortalis::memoleaf {

// The title of the program's message boxes.
inline constexpr const char* kProgramTitle = "Memoleaf";

// The window's credit line, in Windows-1252: its parts are separated by 0x9E
// ("ž").
inline constexpr const char* kCaptionAnsi =
    "Pense-b\xEAte \x9E VORTALIS \x9E avril 2003 \x9E memoleaf@vortalis.example";

// What a screen reader calls the note's text box, which shows no label.
inline constexpr const char* kTextBoxName = "Texte du pense-bête";

}  // namespace vortalis::memoleaf
