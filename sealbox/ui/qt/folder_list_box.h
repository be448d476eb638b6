#pragma once

#include <QListWidget>
#include <string>
#include <vector>

namespace vortalis::sealbox::qt_ui {

// A folder list in the classic manner: the path from the root down, each folder
// one step further in, then the subfolders of the open one. Opening an entry
// (double click or Enter) asks for that folder through Opened.
class FolderListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit FolderListBox(QWidget* parent = nullptr);

    // Shows `path` (a normal folder path) open, with its subfolders below it.
    void Show(const std::string& path, const std::vector<std::string>& subfolders);

  signals:
    void Opened(const QString& folder);

  private:
    void AddEntry(const std::string& name, const std::string& path, int depth, bool open);
};

}  // namespace vortalis::sealbox::qt_ui
