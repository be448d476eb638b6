#pragma once

// What the program and the message box module agree on.

namespace vortalis {

inline constexpr const char* kMessageBoxModule = "vortalis_message_box";
inline constexpr const char* kShowMessageBoxSymbol = "vortalis_show_message_box";

// UTF-8 title and text; icon 1 is the critical one. Returns 0 once the box was
// shown and closed, non-zero when no box could be shown.
using ShowMessageBoxFunction = int (*)(const char* title, const char* text, int icon);

}  // namespace vortalis
