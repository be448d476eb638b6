#pragma once

#include <QLineEdit>

namespace vortalis::sealbox::qt_ui {

// A text box for a password: every character shows as "#", and the text can be
// neither copied nor cut.
class PasswordBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit PasswordBox(QWidget* parent = nullptr);
};

}  // namespace vortalis::sealbox::qt_ui
