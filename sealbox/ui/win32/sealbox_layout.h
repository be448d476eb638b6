#pragma once

#include <windows.h>

#include <array>

#include "sealbox/core/sealbox_design.h"

namespace vortalis::sealbox::win32_ui {

// Where the controls lie at some dots per inch, and the client area they fill.
struct SealboxLayout {
    std::array<RECT, kSealboxPartCount> places{};
    SIZE client{};

    const RECT& operator[](SealboxPart part) const {
        return places[static_cast<std::size_t>(part)];
    }
};

// The window as it was designed, in twips, turned into pixels at `dpi`.
SealboxLayout SealboxLayoutAt(int dpi);

}  // namespace vortalis::sealbox::win32_ui
