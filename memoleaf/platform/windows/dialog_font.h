#pragma once

#include <windows.h>

#include "memoleaf/core/note_services.h"

namespace vortalis::memoleaf {

// The note's font as the font dialog starts on it, at the screen's `dpi`.
LOGFONTW DialogLogFont(const FontChoice& font, int dpi);

// What the user accepted: the face the dialog filled in and its size in tenths
// of a point. Semi-bold and heavier count as bold.
FontChoice AcceptedFont(const LOGFONTW& chosen, int tenthsOfAPoint);

}  // namespace vortalis::memoleaf
