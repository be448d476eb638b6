#include "sealbox/ui/qt/sealbox_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vortalis::sealbox::qt_ui {

QIcon SealboxIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const double unit = size / 16.0;
        painter.setPen(QPen(QColor(90, 90, 90), 1.6 * unit));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(4 * unit, 1.5 * unit, 8 * unit, 9 * unit), 0, 180 * 16);
        painter.drawLine(QPointF(4 * unit, 6 * unit), QPointF(4 * unit, 7.5 * unit));
        painter.drawLine(QPointF(12 * unit, 6 * unit), QPointF(12 * unit, 7.5 * unit));
        painter.setPen(QPen(QColor(120, 80, 10), unit));
        painter.setBrush(QColor(222, 170, 40));
        painter.drawRoundedRect(QRectF(2.5 * unit, 7 * unit, 11 * unit, 8 * unit), unit, unit);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(70, 45, 5));
        painter.drawEllipse(QPointF(8 * unit, 10.2 * unit), 1.2 * unit, 1.2 * unit);
        painter.drawRect(QRectF(7.5 * unit, 10.5 * unit, unit, 2.5 * unit));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

namespace {

QIcon DrawFolder(bool open) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(128, 96, 0));
    painter.setBrush(QColor(240, 200, 80));
    painter.drawRect(1, 2, 5, 2);               // the tab
    painter.drawRect(1, 4, open ? 12 : 13, 9);  // the back
    if (open) {
        painter.setBrush(QColor(252, 228, 140));  // the front, tipped forward
        const QPointF flap[] = {{3, 7}, {15, 7}, {13, 13}, {1, 13}};
        painter.drawPolygon(flap, 4);
    }
    return QIcon(pixmap);
}

}  // namespace

QIcon FolderIcon(bool open) {
    static const QIcon icons[2] = {DrawFolder(false), DrawFolder(true)};
    return icons[open ? 1 : 0];
}

}  // namespace vortalis::sealbox::qt_ui
