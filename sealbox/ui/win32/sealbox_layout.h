#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

namespace vortalis {

// The window's controls in their tab order, the ones that take no focus last.
enum class SealboxPart : std::size_t {
    Picture1,
    Drive1,
    Dir1,
    File1,
    Text1,
    Text2,
    Command1_0,
    Command1_1,
    Command1_2,
    ProgressBar1,
    Label1,
    Label2,
    kCount
};
inline constexpr std::size_t kSealboxPartCount = static_cast<std::size_t>(SealboxPart::kCount);

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

}  // namespace vortalis
