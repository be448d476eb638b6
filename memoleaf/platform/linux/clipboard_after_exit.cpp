#include "memoleaf/platform/linux/clipboard_after_exit.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <cerrno>
#include <memory>

#include "memoleaf/platform/linux/clipboard_taken.h"
#include "runtime/process/detached_start.h"

namespace vortalis::memoleaf {
namespace {

// How long the note waits for the keeper to take the clipboard.
constexpr int kHandOverMilliseconds = 3000;

bool ClipboardManagerRuns() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) return false;
    xcb_connection_t* connection = x11->connection();
    const char name[] = "CLIPBOARD_MANAGER";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name),
                              nullptr),
        &free);
    if (!atom || atom->atom == XCB_ATOM_NONE) return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&free)> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom),
                                      nullptr),
        &free);
    return owner && owner->owner != XCB_NONE;
}

void WriteAll(int fd, const QByteArray& bytes) {
    // A keeper that ended early must not end the note with SIGPIPE.
    signal(SIGPIPE, SIG_IGN);
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = write(fd, bytes.constData() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return;
        written += count;
    }
}

void WaitUntilTheClipboardIsTaken(QClipboard& clipboard) {
    QEventLoop wait;
    WhenClipboardTaken(clipboard, &wait, [&wait] { wait.quit(); });
    QTimer::singleShot(kHandOverMilliseconds, &wait, &QEventLoop::quit);
    if (clipboard.ownsClipboard()) wait.exec();
}

}  // namespace

void KeepClipboardAfterExit(const std::filesystem::path& keeper) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->ownsClipboard() || ClipboardManagerRuns()) return;

    int text[2];
    if (pipe2(text, O_CLOEXEC) != 0) return;
    const std::error_code error = StartDetached(keeper.string(), {}, text[0]);
    close(text[0]);
    if (!error) WriteAll(text[1], clipboard->text().toUtf8());
    close(text[1]);
    // Until the keeper holds it, a program that reads the clipboard would find it empty.
    if (!error) WaitUntilTheClipboardIsTaken(*clipboard);
}

}  // namespace vortalis::memoleaf
