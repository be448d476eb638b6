// Memoleaf's clipboard keeper: serves the text read on its standard input as
// the clipboard's, and ends as soon as another program takes the clipboard.

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "memoleaf/platform/linux/clipboard_taken.h"

int main(int argc, char** argv) {
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) return 1;
    const QString text = QString::fromUtf8(input.readAll());

    QGuiApplication application(argc, argv);
    QClipboard* clipboard = QGuiApplication::clipboard();
    vortalis::memoleaf::WhenClipboardTaken(*clipboard, &application, &QCoreApplication::quit);
    clipboard->setText(text);
    if (!clipboard->ownsClipboard()) return 1;
    return QGuiApplication::exec();
}
