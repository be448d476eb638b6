#include "runtime/qt/frame_accessibility.h"

#include <QAccessibleWidget>
#include <QSet>
#include <QWidget>

namespace vortalis {
namespace {

QSet<QString>& FrameClasses() {
    static QSet<QString> classes;
    return classes;
}

QAccessibleInterface* FrameOfOurClasses(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->isWindow() || !FrameClasses().contains(className)) {
        return nullptr;
    }
    // A window's name is its caption, unless an accessible name was given.
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void ReadAsFrame(const QWidget& window) {
    if (FrameClasses().isEmpty()) QAccessible::installFactory(&FrameOfOurClasses);
    FrameClasses().insert(QString::fromLatin1(window.metaObject()->className()));
}

}  // namespace vortalis
