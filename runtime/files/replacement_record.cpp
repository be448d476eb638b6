#include "runtime/files/replacement_record.h"

#include "runtime/files/rewrite_backup.h"
#include "runtime/text/utf8_path.h"

namespace vortalis {

void ReplacementRecord::Write(const std::filesystem::path& folder) {
    Drop();
    const std::optional<std::filesystem::path> state = BackupFolder();
    if (!state || files_.MakePrivateFolder(*state)) return;
    if (files_.CreateTemporary(*state, std::string(kReplacementPrefix), TemporaryAccess::OwnerOnly,
                               path_, handle_))
        return;
    std::error_code ignored;
    // A rewrite record whose file is the folder. One cut short by a kill names
    // nothing, and the recovery only removes it.
    const std::string text = FormatRewriteRecord({std::filesystem::absolute(folder, ignored)});
    if (files_.WriteAt(handle_, 0,
                       {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}))
        Drop();
}

void ReplacementRecord::Drop() {
    if (handle_ != FileSystem::kNoHandle) files_.Close(handle_);
    handle_ = FileSystem::kNoHandle;
    // Let go first: Windows removes no file its holder keeps open. A later start
    // that reads it in between finds nothing left to remove.
    if (!path_.empty()) files_.Remove(path_);
    path_.clear();
}

void RemoveAbandonedReplacements(FileSystem& files, const std::filesystem::path& stateFolder,
                                 const std::vector<std::string>& names,
                                 const std::string& temporaryPrefix) {
    for (const std::string& name : names) {
        if (!name.starts_with(kReplacementPrefix)) continue;
        const std::filesystem::path record = stateFolder / Utf8Path(name);
        FileSystem::Handle held = FileSystem::kNoHandle;
        if (files.TryHold(record, held)) continue;  // a live writer's, or gone
        if (const std::optional<RewriteRecord> folder = ReadRecord(files, held))
            files.RemoveAbandonedTemporaries(folder->file, temporaryPrefix);
        files.Remove(record);
        files.Close(held);
    }
}

}  // namespace vortalis
