#include "memoleaf/ui/win32/desktop_twips.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "runtime/win32/dpi.h"

namespace vortalis::memoleaf::win32_ui {
namespace {

// The scale the screens' corners are counted at: pixels at 96 dpi.
constexpr double kCornerTwipsPerPixel = 15;

double Overlap(double from, double extent, double areaFrom, double areaExtent) {
    return std::max(0.0, std::min(from + extent, areaFrom + areaExtent) - std::max(from, areaFrom));
}

double Gap(double from, double extent, double areaFrom, double areaExtent) {
    return std::max({0.0, areaFrom - (from + extent), from - (areaFrom + areaExtent)});
}

DesktopRect Measured(const RECT& pixels) {
    return {static_cast<double>(pixels.left), static_cast<double>(pixels.top),
            static_cast<double>(pixels.right - pixels.left),
            static_cast<double>(pixels.bottom - pixels.top)};
}

// `areaOf` gives a screen's rectangle in the unit of `rect`, whose least extent
// is one of that unit.
template <typename AreaOf>
Monitor Holding(DesktopRect rect, std::span<const Monitor> monitors, AreaOf areaOf) {
    rect.width = std::max(rect.width, 1.0);
    rect.height = std::max(rect.height, 1.0);
    const Monitor* overlapped = nullptr;
    double most = 0;
    const Monitor* nearest = &monitors.front();
    double least = std::numeric_limits<double>::infinity();
    for (const Monitor& monitor : monitors) {
        const DesktopRect area = areaOf(monitor);
        const double overlap = Overlap(rect.left, rect.width, area.left, area.width) *
                               Overlap(rect.top, rect.height, area.top, area.height);
        if (overlap > most) {
            most = overlap;
            overlapped = &monitor;
        }
        const double distance = std::hypot(Gap(rect.left, rect.width, area.left, area.width),
                                           Gap(rect.top, rect.height, area.top, area.height));
        if (distance < least) {
            least = distance;
            nearest = &monitor;
        }
    }
    return overlapped != nullptr ? *overlapped : *nearest;
}

}  // namespace

DesktopRect TwipsOfPixels(const RECT& pixels, const Monitor& monitor) {
    const RECT& screen = monitor.pixels;
    return {screen.left * kCornerTwipsPerPixel +
                win32::PixelsToTwips(pixels.left - screen.left, monitor.dpi),
            screen.top * kCornerTwipsPerPixel +
                win32::PixelsToTwips(pixels.top - screen.top, monitor.dpi),
            win32::PixelsToTwips(pixels.right - pixels.left, monitor.dpi),
            win32::PixelsToTwips(pixels.bottom - pixels.top, monitor.dpi)};
}

RECT PixelsOfTwips(const DesktopRect& twips, const Monitor& monitor) {
    const RECT& screen = monitor.pixels;
    const int left =
        screen.left +
        win32::TwipsToPixels(twips.left - screen.left * kCornerTwipsPerPixel, monitor.dpi);
    const int top = screen.top + win32::TwipsToPixels(twips.top - screen.top * kCornerTwipsPerPixel,
                                                      monitor.dpi);
    return {left, top, left + win32::TwipsToPixels(twips.width, monitor.dpi),
            top + win32::TwipsToPixels(twips.height, monitor.dpi)};
}

Monitor MonitorHolding(const RECT& pixels, std::span<const Monitor> monitors) {
    return Holding(Measured(pixels), monitors,
                   [](const Monitor& monitor) { return Measured(monitor.pixels); });
}

Monitor MonitorHolding(const DesktopRect& twips, std::span<const Monitor> monitors) {
    return Holding(twips, monitors,
                   [](const Monitor& monitor) { return TwipsOfPixels(monitor.pixels, monitor); });
}

}  // namespace vortalis::memoleaf::win32_ui
