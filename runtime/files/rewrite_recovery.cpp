#include "runtime/files/rewrite_recovery.h"

#include <algorithm>

#include "runtime/errors/run_error.h"
#include "runtime/files/in_place_rewrite.h"
#include "runtime/files/replacement_record.h"
#include "runtime/files/rewrite_backup.h"
#include "runtime/files/safe_file_writer.h"
#include "runtime/text/utf8_path.h"

namespace vortalis {
namespace {

bool SameFile(const FileStatus& status, const RewriteRecord& record) {
    return status.isRegular && status.device == record.device && status.inode == record.inode &&
           status.created == record.created;
}

std::error_code PutOriginalBack(FileSystem& files, const std::filesystem::path& backup,
                                const RewriteRecord& record) {
    FileSystem::Handle from = FileSystem::kNoHandle;
    FileSystem::Handle to = FileSystem::kNoHandle;
    std::error_code error = files.OpenForReading(backup, from);
    if (!error) error = files.OpenForWriting(record.file, to);
    if (!error) error = PutBack(files, from, to, record.size);
    if (from != FileSystem::kNoHandle) files.Close(from);
    if (to != FileSystem::kNoHandle) files.Close(to);
    return error;
}

// One record that no running program holds: `held` is its hold.
std::optional<InterruptedRewrite> RecoverOne(FileSystem& files, const std::filesystem::path& folder,
                                             const std::string& id, FileSystem::Handle held) {
    const std::filesystem::path backup = BackupPath(folder, id);
    const std::optional<RewriteRecord> record = ReadRecord(files, held);
    std::optional<InterruptedRewrite> outcome;
    FileStatus now;
    // A file since removed or replaced is no longer the one backed up: its
    // backup would overwrite something else.
    if (record && !files.Status(record->file, now) && SameFile(now, *record)) {
        outcome = InterruptedRewrite{record->file, PutOriginalBack(files, backup, *record), backup};
        if (outcome->error) return outcome;  // kept, to try again at the next start
    }
    files.Remove(RecordPath(folder, id));
    files.Remove(backup);
    return outcome;
}

}  // namespace

std::vector<InterruptedRewrite> RecoverInterruptedRewrites(FileSystem& files) {
    std::vector<InterruptedRewrite> recovered;
    const std::optional<std::filesystem::path> folder = BackupFolder();
    std::vector<std::string> names;
    if (!folder || files.ListFolder(*folder, names)) return recovered;

    for (const std::string& name : names) {
        if (!name.starts_with(kRecordPrefix)) continue;
        FileSystem::Handle held = FileSystem::kNoHandle;
        if (files.TryHold(*folder / Utf8Path(name), held)) continue;  // a live rewrite's, or gone
        const std::string id = name.substr(kRecordPrefix.size());
        if (auto outcome = RecoverOne(files, *folder, id, held)) recovered.push_back(*outcome);
        files.Close(held);
    }
    RemoveAbandonedReplacements(files, *folder, names, SafeFileWriter::kTemporaryPrefix);
    // Backups whose record never came (an unfinished copy: the file was never
    // touched) or is gone, and records that were never finished. An empty folder,
    // the usual case at start-up, needs no second look.
    if (names.empty()) return recovered;
    files.ListFolder(*folder, names);
    for (const std::string& name : names) {
        const bool backup = name.starts_with(kBackupPrefix) &&
                            std::find(names.begin(), names.end(),
                                      std::string(kRecordPrefix) +
                                          name.substr(kBackupPrefix.size())) == names.end();
        if (backup || name.starts_with(kRecordDraftPrefix))
            files.RemoveUnlessHeld(*folder / Utf8Path(name));
    }
    return recovered;
}

std::string RecoveryMessage(const InterruptedRewrite& rewrite) {
    const std::string file = InFrench(Utf8Text(rewrite.file));
    if (!rewrite.error) {
        return "Le fichier " + file +
               " avait été laissé à moitié réécrit par un programme interrompu. "
               "Son contenu d'origine a été remis en place.";
    }
    return "Le fichier " + file +
           " a été laissé à moitié réécrit par un programme interrompu, et son contenu "
           "d'origine n'a pas pu être remis en place (" +
           std::string(ClassicDescription(RunErrorNumber(rewrite.error))) +
           "). Il est gardé dans « " + Utf8Text(rewrite.backup) +
           " » ; une prochaine ouverture réessaiera.";
}

}  // namespace vortalis
