#include "runtime/qt/first_paint_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace vortalis {
namespace {

class FirstPaintProbe : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Once this paint is done and on the screen.
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

  private:
    bool seen_ = false;
};

}  // namespace

void QuitAfterFirstPaintWhenAsked(QWidget& window) {
    if (qEnvironmentVariableIsEmpty("VORTALIS_QUIT_AFTER_FIRST_PAINT")) return;
    window.installEventFilter(new FirstPaintProbe(&window));
}

}  // namespace vortalis
