#pragma once

class QWidget;

namespace vortalis {

// Sizes and places are stored in twips (1/1440 inch): 15 twips a pixel at 96
// dots per inch, fewer on a denser screen.
double TwipsPerPixel(double logicalDotsPerInch);
// For the screen the widget is on (or the primary screen).
double TwipsPerPixel(const QWidget* widget);

int TwipsToPixels(double twips, double twipsPerPixel);
double PixelsToTwips(int pixels, double twipsPerPixel);

}  // namespace vortalis
