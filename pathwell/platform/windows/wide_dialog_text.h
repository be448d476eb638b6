#pragma once

#include <string>
#include <string_view>

namespace vortalis::pathwell {

// What Pathwell's dialogs hand the wide Windows functions and take back from
// them. UTF-8 and UTF-16 both keep a NUL as the one zero unit, so the blank and
// NUL rules of the core's dialog buffers hold unchanged once a buffer is
// converted whole.

// A filter written "description|pattern|...", as the open-file dialog takes it:
// each description and pattern ended by a NUL, and a second NUL after the last.
std::wstring WideFilterText(const std::string& filter);

// A path buffer that was all blanks before the call (see PathFromBlankBuffer).
std::string PathFromWideBlankBuffer(std::wstring_view buffer);

// The open-file dialog's buffer, as the selection string in UTF-8 (see
// SelectionFromDialogBuffer).
std::string SelectionFromWideDialogBuffer(std::wstring_view buffer);

// The text before the buffer's first NUL, in UTF-8.
std::string WideTextBeforeNul(std::wstring_view buffer);

}  // namespace vortalis::pathwell
