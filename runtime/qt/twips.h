#pragma once

#include "runtime/units/twips.h"

class QWidget;

namespace vortalis {

// Twips per pixel on the screen the widget is on (or the primary screen).
double TwipsPerPixel(const QWidget* widget);

}  // namespace vortalis
