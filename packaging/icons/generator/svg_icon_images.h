#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace vortalis::icons {

// The drawing of the SVG file at `path` at each of `sizes` pixels square, on a
// transparent ground; empty when the file is missing or is no drawing.
QList<QImage> SvgIconImages(const QString& path, const QList<int>& sizes);

}  // namespace vortalis::icons
