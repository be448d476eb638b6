#include "runtime/win32/control_colours.h"

#include "runtime/win32/system_colour.h"

namespace vortalis::win32 {

ControlColours::~ControlColours() {
    if (brush_ != nullptr) DeleteObject(brush_);
}

void ControlColours::Set(std::int32_t back, std::int32_t fore) {
    back_ = back;
    fore_ = fore;
    backPainted_ = PaintColour(back);
    forePainted_ = PaintColour(fore);
    if (brush_ != nullptr) DeleteObject(brush_);
    brush_ = CreateSolidBrush(backPainted_);
}

HBRUSH ControlColours::Prepare(HDC dc) const {
    SetTextColor(dc, forePainted_);
    SetBkColor(dc, backPainted_);
    return brush_;
}

}  // namespace vortalis::win32
