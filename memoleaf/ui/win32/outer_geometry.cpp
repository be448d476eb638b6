#include "memoleaf/ui/win32/outer_geometry.h"

#include "runtime/win32/dpi.h"

namespace vortalis::memoleaf::win32_ui {

DesktopRect TwipsOfPixels(const RECT& pixels, int dpi) {
    return {win32::PixelsToTwips(pixels.left, dpi), win32::PixelsToTwips(pixels.top, dpi),
            win32::PixelsToTwips(pixels.right - pixels.left, dpi),
            win32::PixelsToTwips(pixels.bottom - pixels.top, dpi)};
}

RECT PixelsOfTwips(const DesktopRect& twips, int dpi) {
    const int left = win32::TwipsToPixels(twips.left, dpi);
    const int top = win32::TwipsToPixels(twips.top, dpi);
    return {left, top, left + win32::TwipsToPixels(twips.width, dpi),
            top + win32::TwipsToPixels(twips.height, dpi)};
}

}  // namespace vortalis::memoleaf::win32_ui
