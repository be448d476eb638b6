#include "memoleaf/core/window_platform.h"

namespace vortalis::memoleaf {
namespace {

bool Set(const char* variable) { return variable != nullptr && *variable != '\0'; }

}  // namespace

bool NeedsX11(const char* platform, const char* waylandDisplay, const char* x11Display) {
    return !Set(platform) && Set(waylandDisplay) && Set(x11Display);
}

}  // namespace vortalis::memoleaf
