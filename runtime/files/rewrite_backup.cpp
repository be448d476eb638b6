#include "runtime/files/rewrite_backup.h"

#include <vector>

#include "runtime/files/user_places.h"
#include "runtime/text/utf8_path.h"

namespace vortalis {
namespace {

constexpr std::string_view kRecordHeader = "vortalis rewrite record 1\n";
constexpr std::uint64_t kLargestRecord = 64 * 1024;

std::optional<std::uint64_t> TakeNumber(std::string_view& text, char end) {
    const std::size_t stop = text.find(end);
    if (stop == 0 || stop == std::string_view::npos || stop > 20) return std::nullopt;
    std::uint64_t value = 0;
    for (const char digit : text.substr(0, stop)) {
        if (digit < '0' || digit > '9') return std::nullopt;
        const std::uint64_t next = value * 10 + static_cast<std::uint64_t>(digit - '0');
        if (next / 10 != value) return std::nullopt;  // past 64 bits
        value = next;
    }
    text.remove_prefix(stop + 1);
    return value;
}

}  // namespace

// The path's length is stated, so that a record cut short is never taken for a
// whole one naming another file.
std::string FormatRewriteRecord(const RewriteRecord& record) {
    const std::string file = Utf8Text(record.file);
    return std::string(kRecordHeader) + std::to_string(record.device) + " " +
           std::to_string(record.inode) + " " +
           // As its 64 bits, unsigned: a time before 1970 reads back too.
           std::to_string(static_cast<std::uint64_t>(record.created)) + " " +
           std::to_string(record.size) + " " + std::to_string(file.size()) + "\n" + file;
}

std::optional<RewriteRecord> ParseRewriteRecord(std::string_view text) {
    if (!text.starts_with(kRecordHeader)) return std::nullopt;
    text.remove_prefix(kRecordHeader.size());
    const auto device = TakeNumber(text, ' ');
    const auto inode = device ? TakeNumber(text, ' ') : std::nullopt;
    const auto created = inode ? TakeNumber(text, ' ') : std::nullopt;
    const auto size = created ? TakeNumber(text, ' ') : std::nullopt;
    const auto length = size ? TakeNumber(text, '\n') : std::nullopt;
    if (!length || text.size() != *length || text.find('\0') != std::string_view::npos)
        return std::nullopt;
    RewriteRecord record{Utf8Path(text), *device, *inode, *size,
                         static_cast<std::int64_t>(*created)};
    if (!record.file.is_absolute()) return std::nullopt;
    return record;
}

std::optional<std::filesystem::path> BackupFolder() {
    const auto base = UserStateFolder(UserPlaces());
    if (!base) return std::nullopt;
    return *base / "vortalis";
}

std::string BackupId(const std::filesystem::path& backup) {
    return Utf8Text(backup.filename()).substr(kBackupPrefix.size());
}

std::filesystem::path RecordPath(const std::filesystem::path& folder, const std::string& id) {
    return folder / Utf8Path(std::string(kRecordPrefix) + id);
}

std::filesystem::path BackupPath(const std::filesystem::path& folder, const std::string& id) {
    return folder / Utf8Path(std::string(kBackupPrefix) + id);
}

std::error_code CopyContent(FileSystem& files, FileSystem::Handle from, FileSystem::Handle to,
                            std::uint64_t size) {
    std::vector<std::uint8_t> buffer(
        static_cast<std::size_t>(std::min<std::uint64_t>(size, 1 << 20)));
    for (std::uint64_t offset = 0; offset < size;) {
        const auto wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), size - offset));
        std::size_t count = 0;
        if (std::error_code error =
                files.ReadAt(from, offset, std::span(buffer).first(wanted), count))
            return error;
        // The source is never shorter than it was measured: a file that shrank
        // under us cannot be copied whole.
        if (count != wanted) return std::make_error_code(std::errc::io_error);
        if (std::error_code error = files.WriteAt(to, offset, std::span(buffer).first(count)))
            return error;
        offset += count;
    }
    return {};
}

std::error_code WriteRecord(FileSystem& files, const std::filesystem::path& folder,
                            const std::string& id, const RewriteRecord& record) {
    const std::string text = FormatRewriteRecord(record);
    std::filesystem::path draft;
    FileSystem::Handle handle = FileSystem::kNoHandle;
    if (std::error_code error =
            files.CreateTemporary(folder, std::string(kRecordDraftPrefix) + id + "-",
                                  TemporaryAccess::OwnerOnly, draft, handle))
        return error;
    std::error_code error =
        files.WriteAt(handle, 0, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    if (!error) error = files.Flush(handle);
    const std::error_code closeError = files.Close(handle);
    if (!error) error = closeError;
    if (!error) error = files.Rename(draft, RecordPath(folder, id));
    if (error) {
        files.Remove(draft);
        return error;
    }
    return files.FlushFolder(folder);
}

std::optional<RewriteRecord> ReadRecord(FileSystem& files, FileSystem::Handle handle) {
    std::string text(kLargestRecord, '\0');
    std::size_t count = 0;
    if (files.ReadAt(handle, 0, {reinterpret_cast<std::uint8_t*>(text.data()), text.size()}, count))
        return std::nullopt;
    text.resize(count);
    return ParseRewriteRecord(text);
}

}  // namespace vortalis
