#include "runtime/qt/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vortalis {

double TwipsPerPixel(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
    return TwipsPerPixel(screen != nullptr ? screen->logicalDotsPerInch() : 96.0);
}

}  // namespace vortalis
