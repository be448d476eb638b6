#include "sealbox/core/volumes.h"

#include <algorithm>
#include <cctype>

#include "runtime/text/utf8_path.h"
#include "sealbox/core/file_search.h"
#include "sealbox/core/platform_folders.h"

namespace vortalis::sealbox {
namespace {

// A folder's path as a prefix of the paths inside it, written with the system's
// separators whichever way it came.
std::string AsPrefix(const std::string& folder) {
    return WithTrailingSeparator(Utf8Text(Utf8Path(folder).make_preferred()));
}

bool SameDrive(const std::string& a, const std::string& b) {
    if (!kDriveNamesIgnoreCase) return a == b;
    const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::string VolumeHolding(const std::string& folder, const std::vector<std::string>& mountPoints) {
    const std::string inside = AsPrefix(folder);
    std::string best = Utf8Text(Utf8Path(folder).root_path());
    if (best.empty()) best = std::string(1, kFolderSeparator);
    for (const std::string& mountPoint : mountPoints) {
        if (inside.starts_with(AsPrefix(mountPoint)) && mountPoint.size() > best.size())
            best = mountPoint;
    }
    return best;
}

std::string ListedDrive(std::vector<std::string>& drives, const std::string& drive) {
    const auto listed = std::ranges::find_if(
        drives, [&drive](const std::string& name) { return SameDrive(name, drive); });
    if (listed != drives.end()) return *listed;
    drives.push_back(drive);
    return drive;
}

}  // namespace vortalis::sealbox
