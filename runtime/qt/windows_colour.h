#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace vortalis {

// Colours as the programs store them: 0x00BBGGRR (red in the low byte), or,
// with the top bit set (negative as a signed 32-bit number), a reference to a
// system colour whose index is in the low byte.
bool IsSystemColourReference(std::int32_t value);

// The colour to paint with; a system colour reference is looked up in `palette`
// (the application's when none is given).
QColor FromWindowsColour(std::int32_t value, const QPalette& palette = QPalette());

// The 0x00BBGGRR value of a colour (never a system colour reference).
std::int32_t ToWindowsColour(const QColor& colour);

}  // namespace vortalis
