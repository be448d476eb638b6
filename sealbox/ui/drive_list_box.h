#pragma once

#include <QComboBox>
#include <string>
#include <vector>

namespace vortalis {

// The drives of this platform: the mounted volumes, named by their mount points.
// None is chosen at first, so that choosing the first one is a change too.
class DriveListBox : public QComboBox {
    Q_OBJECT
  public:
    DriveListBox(const std::vector<std::string>& mountPoints, QWidget* parent = nullptr);

    std::string Drive() const;
    std::vector<std::string> Drives() const;
    // Chooses the drive (added when not listed); a different one raises Changed.
    void SetDrive(const std::string& mountPoint);

  signals:
    void Changed();
};

}  // namespace vortalis
