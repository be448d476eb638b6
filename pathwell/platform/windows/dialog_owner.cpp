#include "pathwell/platform/windows/dialog_owner.h"

namespace vortalis::pathwell {

HWND DialogOwner(HWND form) { return IsWindowVisible(form) ? form : nullptr; }

}  // namespace vortalis::pathwell
