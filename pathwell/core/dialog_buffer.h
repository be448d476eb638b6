#pragma once

#include <string>
#include <string_view>

namespace vortalis::pathwell {

// Texts the Windows shell writes into fixed buffers.

// The text before the buffer's first NUL (all of it when there is none).
std::string TextBeforeNul(std::string_view buffer);

// A path buffer that was all blanks before the call: empty when the call left
// it so, else its text before the first NUL.
std::string PathFromBlankBuffer(std::string_view buffer);

// An open-file dialog's buffer, whose items end in NUL and whose last item is
// followed by a second NUL: the selection string, items separated by one NUL.
std::string SelectionFromDialogBuffer(std::string_view buffer);

}  // namespace vortalis::pathwell
