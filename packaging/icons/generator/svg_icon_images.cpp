#include "packaging/icons/generator/svg_icon_images.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vortalis::icons {

QList<QImage> SvgIconImages(const QString& path, const QList<int>& sizes) {
    QSvgRenderer drawing(path);
    if (!drawing.isValid()) return {};
    QList<QImage> images;
    for (const int size : sizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        drawing.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        images.append(image);
    }
    return images;
}

}  // namespace vortalis::icons
