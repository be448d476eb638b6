#include "runtime/files/file_system.h"

#include "runtime/text/utf8_path.h"

namespace vortalis {

std::error_code FileSystem::ListFolder(const std::filesystem::path& folder,
                                       std::vector<std::string>& names) {
    std::vector<FolderEntry> entries;
    names.clear();
    const std::error_code error = ListEntries(folder, entries);
    for (FolderEntry& entry : entries) names.push_back(std::move(entry.name));
    return error;
}

void FileSystem::RemoveAbandonedTemporaries(const std::filesystem::path& folder,
                                            const std::string& prefix) {
    std::vector<std::string> names;
    if (ListFolder(folder, names)) return;
    for (const std::string& name : names) {
        if (name.starts_with(prefix)) RemoveUnlessHeld(folder / Utf8Path(name));
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
