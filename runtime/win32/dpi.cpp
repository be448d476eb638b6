#include "runtime/win32/dpi.h"

#include "runtime/units/twips.h"

namespace vortalis::win32 {

int WindowDpi(HWND window) {
    // Per-monitor aware programs ask the window; the screen's own figure is the
    // fallback on systems older than Windows 10.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi > 0) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int TwipsToPixels(double twips, int dpi) {
    return vortalis::TwipsToPixels(twips, TwipsPerPixel(dpi));
}

double PixelsToTwips(int pixels, int dpi) {
    return vortalis::PixelsToTwips(pixels, TwipsPerPixel(dpi));
}

RECT TwipsRect(int left, int top, int width, int height, int dpi) {
    const int x = TwipsToPixels(left, dpi);
    const int y = TwipsToPixels(top, dpi);
    return {x, y, x + TwipsToPixels(width, dpi), y + TwipsToPixels(height, dpi)};
}

}  // namespace vortalis::win32
