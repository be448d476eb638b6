#pragma once

#include <QListWidget>
#include <string>

namespace vortalis {

class FolderReader;

// The ordinary files of one folder (no folders, no hidden files). Choosing one,
// with the mouse or the keys, raises Clicked.
class FileListBox : public QListWidget {
    Q_OBJECT
  public:
    FileListBox(FolderReader& folders, QWidget* parent = nullptr);

    const std::string& Path() const { return path_; }
    // Throws RunError when the folder cannot be read, and then shows what it showed.
    void SetPath(const std::string& folder);
    // The name of the chosen file, empty when none is.
    std::string SelectedName() const;

  signals:
    void Clicked();

  private:
    FolderReader& folders_;
    std::string path_;
};

}  // namespace vortalis
