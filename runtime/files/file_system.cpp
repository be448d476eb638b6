#include "runtime/files/file_system.h"

namespace vortalis {

void FileSystem::RemoveAbandonedTemporaries(const std::filesystem::path& folder,
                                            const std::string& prefix) {
    std::vector<std::string> names;
    if (ListFolder(folder, names)) return;
    for (const std::string& name : names) {
        if (name.starts_with(prefix)) RemoveUnlessHeld(folder / name);
    }
}

void FileSystem::RemoveUnlessHeld(const std::filesystem::path& path) {
    Handle handle = kNoHandle;
    // Held: its writer is alive. Not held: its writer died before finishing.
    if (TryHold(path, handle)) return;
    Close(handle);
    Remove(path);
}

}  // namespace vortalis
