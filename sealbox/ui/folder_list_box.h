#pragma once

#include <QListWidget>
#include <string>

namespace vortalis {

class FolderReader;

// A folder list in the classic manner: the path from the root down, each folder
// one step further in, then the subfolders of the open one. Opening an entry
// (double click or Enter) asks for that folder through Opened.
class FolderListBox : public QListWidget {
    Q_OBJECT
  public:
    FolderListBox(FolderReader& folders, QWidget* parent = nullptr);

    const std::string& Path() const { return path_; }
    // Lists the folder; a folder other than the open one raises Changed. Throws
    // RunError when it cannot be read, and then shows what it showed before.
    void SetPath(const std::string& folder);

  signals:
    void Changed();
    void Opened(const QString& folder);

  private:
    void AddEntry(const std::string& name, const std::string& path, int depth, bool open);

    FolderReader& folders_;
    std::string path_;
};

}  // namespace vortalis
