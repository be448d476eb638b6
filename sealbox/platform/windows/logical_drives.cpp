#include "sealbox/platform/windows/logical_drives.h"

#include <windows.h>

#include <algorithm>

#include "runtime/text/wide_text.h"

namespace vortalis::sealbox {

std::vector<std::string> DriveRoots(std::wstring_view driveStrings) {
    std::vector<std::string> roots;
    while (!driveStrings.empty() && driveStrings.front() != L'\0') {
        const std::size_t end = std::min(driveStrings.find(L'\0'), driveStrings.size());
        roots.push_back(Narrow(driveStrings.substr(0, end)));
        driveStrings.remove_prefix(std::min(end + 1, driveStrings.size()));
    }
    return roots;
}

std::vector<std::string> LogicalDrives::MountPoints() {
    // The size asked for leaves out the final nul; a drive mounted between the
    // two calls only makes the list longer than the room, and it is asked again.
    for (;;) {
        const DWORD size = GetLogicalDriveStringsW(0, nullptr);
        if (size == 0) return {};
        std::wstring strings(size + 1, L'\0');
        const DWORD length = GetLogicalDriveStringsW(size + 1, strings.data());
        if (length == 0) return {};
        if (length <= size) return DriveRoots(std::wstring_view(strings.data(), length));
    }
}

}  // namespace vortalis::sealbox
