#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/files/file_system.h"

namespace vortalis {

// A file rewritten in place is first copied to a backup in the user's state
// folder; a record beside the backup names the file. A killed program leaves
// both, and the next start of any of the programs puts the original back.

// The file a backup belongs to, as it was when the backup was made.
struct RewriteRecord {
    std::filesystem::path file;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t created = 0;

    bool operator==(const RewriteRecord&) const = default;
};

std::string FormatRewriteRecord(const RewriteRecord& record);
// Nothing for a text that is not a whole record.
std::optional<RewriteRecord> ParseRewriteRecord(std::string_view text);

// $XDG_STATE_HOME/vortalis, else ~/.local/state/vortalis (on Windows, the local
// application data folder); nothing when the user has no such folder.
std::optional<std::filesystem::path> BackupFolder();

// Names in the backup folder: a backup "backup-ID", its record "record-ID", and
// the record while it is written ".record-ID-…", renamed when whole.
inline constexpr std::string_view kBackupPrefix = "backup-";
inline constexpr std::string_view kRecordPrefix = "record-";
inline constexpr std::string_view kRecordDraftPrefix = ".record-";

std::string BackupId(const std::filesystem::path& backup);
std::filesystem::path RecordPath(const std::filesystem::path& folder, const std::string& id);
std::filesystem::path BackupPath(const std::filesystem::path& folder, const std::string& id);

// Copies the first `size` bytes of one open file onto another, from the start.
std::error_code CopyContent(FileSystem& files, FileSystem::Handle from, FileSystem::Handle to,
                            std::uint64_t size);

// Writes `record` for the backup `id`: whole or not at all, and flushed.
std::error_code WriteRecord(FileSystem& files, const std::filesystem::path& folder,
                            const std::string& id, const RewriteRecord& record);

// Reads the record held as `handle`; nothing when it is not a whole record.
std::optional<RewriteRecord> ReadRecord(FileSystem& files, FileSystem::Handle handle);

}  // namespace vortalis
