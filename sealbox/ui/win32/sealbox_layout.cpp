#include "sealbox/ui/win32/sealbox_layout.h"

#include "runtime/win32/dpi.h"

namespace vortalis::sealbox::win32_ui {

SealboxLayout SealboxLayoutAt(int dpi) {
    SealboxLayout layout;
    for (const DesignPlace& place : kSealboxDesign) {
        layout.places[static_cast<std::size_t>(place.part)] =
            win32::TwipsRect(place.left, place.top, place.width, place.height, dpi);
    }
    layout.client = {win32::TwipsToPixels(kSealboxClientWidthTwips, dpi),
                     win32::TwipsToPixels(kSealboxClientHeightTwips, dpi)};
    return layout;
}

}  // namespace vortalis::sealbox::win32_ui
