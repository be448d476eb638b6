#include "pathwell/core/open_path.h"

#include <exception>

#include "pathwell/core/platform_paths.h"

namespace vortalis::pathwell {
namespace {

// The explorer's name is plain ASCII on every platform, so upper-casing the
// ASCII letters alone decides the comparison exactly as a full upper-casing
// would, and leaves multi-byte characters of other paths intact.
std::string UpperCase(std::string text) {
    for (char& character : text) {
        if (character >= 'a' && character <= 'z') character = static_cast<char>(character - 32);
    }
    return text;
}

bool IsOpenedByExplorer(const std::string& path, ShellPlatform& platform) {
    return UpperCase(platform.FindAssociatedProgram(path)) == UpperCase(platform.Explorer());
}

// A path that is not a folder: started as a program; should that fail, the
// shell opens it. Neither failure is reported.
void StartOrShellOpen(const std::string& path, ShellPlatform& platform) {
    try {
        platform.Start(LaunchCommand{path, std::nullopt}, WindowStyle::kNormalWithFocus);
        return;
    } catch (const std::exception&) {
    }
    try {
        platform.ShellOpen(path);
    } catch (const std::exception&) {
    }
}

}  // namespace

LaunchCommand RelaunchCommand(const OwnExecutable& own, const std::string& folder) {
    return LaunchCommand{own.folder + kPathSeparator + own.name + kExecutableSuffix, folder};
}

void OpenPath(const std::string& path, ShellPlatform& platform) {
    if (IsOpenedByExplorer(path, platform)) {
        platform.Start(RelaunchCommand(platform.RunningExecutable(), path),
                       WindowStyle::kMinimizedWithFocus);
    } else {
        StartOrShellOpen(path, platform);
    }
    platform.ProcessPendingMessages();
}

}  // namespace vortalis::pathwell
