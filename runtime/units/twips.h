#pragma once

#include <cmath>

namespace vortalis {

// Sizes and places are designed and stored in twips (1/1440 inch): 15 twips a
// pixel at 96 dots per inch, 7.5 at 192.
inline double TwipsPerPixel(double dotsPerInch) {
    return dotsPerInch > 0 ? 1440.0 / dotsPerInch : 15.0;
}

inline int TwipsToPixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

inline double PixelsToTwips(int pixels, double twipsPerPixel) { return pixels * twipsPerPixel; }

}  // namespace vortalis
