#pragma once

#include <QListWidget>
#include <string>
#include <vector>

namespace vortalis::sealbox::qt_ui {

// The ordinary files of one folder. Choosing one, with the mouse or the keys,
// raises Clicked.
class FileListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit FileListBox(QWidget* parent = nullptr);

    // Shows these names, none chosen, without raising Clicked.
    void Show(const std::vector<std::string>& names);
    // The name of the chosen file, empty when none is.
    std::string SelectedName() const;

  signals:
    void Clicked();
};

}  // namespace vortalis::sealbox::qt_ui
