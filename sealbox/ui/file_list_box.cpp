#include "sealbox/ui/file_list_box.h"

#include <QSignalBlocker>

#include "sealbox/core/folder_reader.h"

namespace vortalis {

FileListBox::FileListBox(FolderReader& folders, QWidget* parent)
    : QListWidget(parent), folders_(folders) {
    // Selection, not the current row: the focus alone moves the current row.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!selectedItems().isEmpty()) emit Clicked();
    });
}

void FileListBox::SetPath(const std::string& folder) {
    const std::vector<std::string> names = folders_.OrdinaryFiles(folder);
    const QSignalBlocker quiet(this);
    clear();
    for (const std::string& name : names) addItem(QString::fromStdString(name));
    path_ = folder;
}

std::string FileListBox::SelectedName() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? std::string() : selected.front()->text().toStdString();
}

}  // namespace vortalis
