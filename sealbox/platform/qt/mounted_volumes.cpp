#include "sealbox/platform/qt/mounted_volumes.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace vortalis::sealbox {

std::vector<std::string> MountedVolumes::MountPoints() {
    std::vector<std::string> mountPoints;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || !QFileInfo(volume.rootPath()).isDir())
            continue;
        mountPoints.push_back(volume.rootPath().toStdString());
    }
    std::sort(mountPoints.begin(), mountPoints.end());
    mountPoints.erase(std::unique(mountPoints.begin(), mountPoints.end()), mountPoints.end());
    return mountPoints;
}

}  // namespace vortalis::sealbox
