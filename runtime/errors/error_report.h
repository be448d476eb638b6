#pragma once

#include <string>
#include <string_view>

#include "runtime/errors/run_error.h"

namespace vortalis {

enum class MessageIcon { None, Critical };

// Shows a modal message box with an OK button, titled `title`, when a display is
// available; otherwise, or when no box can be shown, writes the text to standard
// error. A program never needs a display to succeed. Texts are UTF-8; CR LF
// line ends are the programs' own and shown as line breaks.
void ShowMessage(std::string_view title, std::string_view text, MessageIcon icon);

// "Erreur : 53", CR LF, nine spaces, then the description.
std::string ErrorBoxText(const RunError& error);

// The error box: ErrorBoxText with the critical icon.
void ReportError(std::string_view title, const RunError& error);

// Whether a window can be shown at all: on this platform a DISPLAY or
// WAYLAND_DISPLAY must be named.
bool DisplayAvailable();

}  // namespace vortalis
