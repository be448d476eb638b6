#include "sealbox/ui/qt/drive_list_box.h"

#include <QSignalBlocker>

namespace vortalis::sealbox::qt_ui {

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::Changed);
}

std::string DriveListBox::Drive() const { return currentText().toStdString(); }

void DriveListBox::SetDrives(const std::vector<std::string>& mountPoints) {
    const QSignalBlocker quiet(this);
    clear();
    for (const std::string& mountPoint : mountPoints) addItem(QString::fromStdString(mountPoint));
    setCurrentIndex(-1);
}

void DriveListBox::SetDrive(const std::string& mountPoint) {
    const QSignalBlocker quiet(this);
    setCurrentIndex(findText(QString::fromStdString(mountPoint)));
}

}  // namespace vortalis::sealbox::qt_ui
