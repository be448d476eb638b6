#include "sealbox/ui/qt/file_list_box.h"

#include <QSignalBlocker>

namespace vortalis::sealbox::qt_ui {

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    // Selection, not the current row: the focus alone moves the current row.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!selectedItems().isEmpty()) emit Clicked();
    });
}

void FileListBox::Show(const std::vector<std::string>& names) {
    const QSignalBlocker quiet(this);
    clear();
    for (const std::string& name : names) addItem(QString::fromStdString(name));
}

std::string FileListBox::SelectedName() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? std::string() : selected.front()->text().toStdString();
}

}  // namespace vortalis::sealbox::qt_ui
