#include "sealbox/ui/drive_list_box.h"

namespace vortalis {

DriveListBox::DriveListBox(const std::vector<std::string>& mountPoints, QWidget* parent)
    : QComboBox(parent) {
    for (const std::string& mountPoint : mountPoints) addItem(QString::fromStdString(mountPoint));
    setCurrentIndex(-1);
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::Changed);
}

std::string DriveListBox::Drive() const { return currentText().toStdString(); }

std::vector<std::string> DriveListBox::Drives() const {
    std::vector<std::string> drives;
    for (int i = 0; i < count(); ++i) drives.push_back(itemText(i).toStdString());
    return drives;
}

void DriveListBox::SetDrive(const std::string& mountPoint) {
    const QString drive = QString::fromStdString(mountPoint);
    int index = findText(drive);
    if (index < 0) {
        addItem(drive);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

}  // namespace vortalis
