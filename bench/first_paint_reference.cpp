// The yardstick for the programs' start-up: the least a Qt Widgets program can
// do, one empty window, built the same way and ended by the same probe.

#include <QApplication>
#include <QWidget>

#include "first_paint_probe.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(394, 365);
    window.show();
    vortalis::QuitAfterFirstPaintWhenAsked(window);
    return QApplication::exec();
}
