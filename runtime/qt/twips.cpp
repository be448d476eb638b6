#include "runtime/qt/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace vortalis {

double TwipsPerPixel(double logicalDotsPerInch) {
    return logicalDotsPerInch > 0 ? 1440.0 / logicalDotsPerInch : 15.0;
}

double TwipsPerPixel(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
    return TwipsPerPixel(screen != nullptr ? screen->logicalDotsPerInch() : 96.0);
}

int TwipsToPixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

double PixelsToTwips(int pixels, double twipsPerPixel) { return pixels * twipsPerPixel; }

}  // namespace vortalis
