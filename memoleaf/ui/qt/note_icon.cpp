#include "memoleaf/ui/qt/note_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace vortalis::memoleaf::qt_ui {
namespace {

QPixmap DrawLeaf(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const double unit = side / 16.0;
    const double fold = 5 * unit;
    const double edge = side - unit;

    // The leaf, its lower right corner cut off where it is turned down.
    const QPolygonF leaf({QPointF(unit, unit), QPointF(edge, unit), QPointF(edge, edge - fold),
                          QPointF(edge - fold, edge), QPointF(unit, edge)});
    painter.setPen(QPen(QColor(128, 128, 0), unit * 0.75));
    painter.setBrush(QColor(255, 255, 128));
    painter.drawPolygon(leaf);

    // The turned-down corner.
    const QPolygonF corner({QPointF(edge, edge - fold), QPointF(edge - fold, edge - fold),
                            QPointF(edge - fold, edge)});
    painter.setBrush(QColor(192, 192, 0));
    painter.drawPolygon(corner);

    // Three lines of writing.
    painter.setPen(QPen(QColor(0, 0, 128), unit));
    for (int line = 0; line < 3; ++line) {
        const double y = (4 + 3 * line) * unit;
        const double end = line == 2 ? edge - fold - unit : edge - 2 * unit;
        painter.drawLine(QPointF(3 * unit, y), QPointF(end, y));
    }
    return pixmap;
}

}  // namespace

QIcon NoteIcon() {
    QIcon icon;
    icon.addPixmap(DrawLeaf(16));
    icon.addPixmap(DrawLeaf(32));
    return icon;
}

}  // namespace vortalis::memoleaf::qt_ui
