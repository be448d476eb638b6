// The yardstick for the programs' start-up: the least a Qt Widgets program can
// do, one empty window, built the same way and ended by the same probe. With
// "--label" the window shows one line of text, which alone costs the loading of
// a font.

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "runtime/qt/first_paint_probe.h"

int main(int argc, char** argv) {
    const bool withText = argc > 1 && std::strcmp(argv[1], "--label") == 0;
    QApplication application(argc, argv);
    QLabel window;
    if (withText) window.setText(QStringLiteral("Mot de Passe"));
    window.resize(394, 365);
    window.show();
    vortalis::QuitAfterFirstPaintWhenAsked(window);
    return QApplication::exec();
}
