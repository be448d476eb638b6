// The Qt message box, built as a module that programs open at run time.

#include "runtime/errors/message_box_module.h"

#include <QApplication>
#include <QMessageBox>
#include <memory>

#include "runtime/text/line_ends.h"

namespace {

// A program without a Qt application of its own gets one for the box's lifetime.
std::unique_ptr<QApplication> ApplicationForTheBox() {
    if (QApplication::instance() != nullptr) return nullptr;
    // Without a usable display Qt would abort; let it fall back to the offscreen
    // platform instead, which tells us that no box can be seen.
    QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    if (platforms.isEmpty()) {
        platforms = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "xcb" : "wayland;xcb";
    }
    qputenv("QT_QPA_PLATFORM", platforms + ";offscreen");

    static int argc = 1;
    static char name[] = "vortalis";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

bool PlatformCanShowWindows() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

extern "C" Q_DECL_EXPORT int vortalis_show_message_box(const char* title, const char* text,
                                                       int icon) {
    const std::unique_ptr<QApplication> application = ApplicationForTheBox();
    if (!PlatformCanShowWindows()) return 1;
    QMessageBox box(icon == 1 ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromUtf8(title), QString::fromStdString(vortalis::ShownLines(text)),
                    QMessageBox::Ok);
    box.exec();
    return 0;
}
