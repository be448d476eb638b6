// Draws an SVG icon at every size Windows asks for and writes them as one .ico:
//   make_windows_icon DRAWING.svg ICON.ico
// The programs' .ico files are made by it (the build's target windows_icons),
// so that each Windows icon is its Linux drawing.

#include <QSaveFile>
#include <QTextStream>

#include "packaging/icons/generator/svg_icon_images.h"
#include "packaging/icons/generator/windows_icon_file.h"

int main(int argc, char** argv) {
    // No application object: drawing paths into an image needs no display.
    QTextStream errors(stderr);
    if (argc != 3) {
        errors << "usage : make_windows_icon DESSIN.svg ICONE.ico\n";
        return 2;
    }
    const QList<int> sizes(std::begin(vortalis::icons::kWindowsIconSizes),
                           std::end(vortalis::icons::kWindowsIconSizes));
    const QList<QImage> images =
        vortalis::icons::SvgIconImages(QString::fromLocal8Bit(argv[1]), sizes);
    if (images.isEmpty()) {
        errors << QString::fromLocal8Bit(argv[1]) << " : aucun dessin SVG lisible\n";
        return 1;
    }
    // Whole or not at all: a half-written icon would reach the programs' resources.
    QSaveFile icon(QString::fromLocal8Bit(argv[2]));
    if (!icon.open(QIODevice::WriteOnly) ||
        icon.write(vortalis::icons::WindowsIconFile(images)) < 0 || !icon.commit()) {
        errors << QString::fromLocal8Bit(argv[2]) << " : " << icon.errorString() << '\n';
        return 1;
    }
    return 0;
}
