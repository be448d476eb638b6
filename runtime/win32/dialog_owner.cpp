#include "runtime/win32/dialog_owner.h"

namespace vortalis::win32 {

HWND DialogOwner(HWND form) { return IsWindowVisible(form) ? form : nullptr; }

}  // namespace vortalis::win32
