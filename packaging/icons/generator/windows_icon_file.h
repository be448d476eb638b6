#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace vortalis::icons {

// The sizes Windows picks from, up to 150 % of its small and large icons and
// 256 for Explorer's largest views.
inline constexpr int kWindowsIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};

// An .ico file holding `images`, each square, in the order given: 32-bit
// pictures with their transparency mask, the 256-pixel one as PNG, which is
// how Windows expects that size.
QByteArray WindowsIconFile(const QList<QImage>& images);

}  // namespace vortalis::icons
