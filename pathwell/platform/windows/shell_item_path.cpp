#include "pathwell/platform/windows/shell_item_path.h"

#include <shlobj.h>

#include "pathwell/platform/windows/wide_dialog_text.h"

namespace vortalis::pathwell {
namespace {

// The longest path Windows names, in characters, with its closing NUL.
constexpr DWORD kLongestPath = 32768;

}  // namespace

std::string ShellItemPath(PCIDLIST_ABSOLUTE item) {
    // All blanks: an item without a path leaves the buffer so (see
    // PathFromBlankBuffer).
    std::wstring buffer(kLongestPath, L' ');
    SHGetPathFromIDListEx(item, buffer.data(), kLongestPath, GPFIDL_DEFAULT);
    return PathFromWideBlankBuffer(buffer);
}

}  // namespace vortalis::pathwell
