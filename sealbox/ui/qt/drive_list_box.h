#pragma once

#include <QComboBox>
#include <string>
#include <vector>

namespace vortalis::sealbox::qt_ui {

// The drives of this platform: the mounted volumes, named by their mount points.
// Only the user's choice raises Changed: the form logic raises the change of a
// drive it sets itself.
class DriveListBox : public QComboBox {
    Q_OBJECT
  public:
    explicit DriveListBox(QWidget* parent = nullptr);

    std::string Drive() const;
    // Lists the drives, none chosen.
    void SetDrives(const std::vector<std::string>& mountPoints);
    // Chooses a listed drive.
    void SetDrive(const std::string& mountPoint);

  signals:
    void Changed();
};

}  // namespace vortalis::sealbox::qt_ui
