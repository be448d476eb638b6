#include "sealbox/ui/qt/password_box.h"

#include <QApplication>
#include <QProxyStyle>

namespace vortalis::sealbox::qt_ui {
namespace {

// The style decides which character a password shows; this one shows "#" at once,
// without first showing the typed character.
class HashEchoStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '#';
        if (hint == SH_LineEdit_PasswordMaskDelay) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

PasswordBox::PasswordBox(QWidget* parent) : QLineEdit(parent) {
    auto* style = new HashEchoStyle(QApplication::style()->name());
    style->setParent(this);
    setStyle(style);
    setEchoMode(QLineEdit::Password);
}

}  // namespace vortalis::sealbox::qt_ui
