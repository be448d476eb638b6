#include "runtime/files/in_place_rewrite.h"

#include "runtime/errors/run_error.h"
#include "runtime/files/rewrite_backup.h"

namespace vortalis {

std::error_code PutBack(FileSystem& files, FileSystem::Handle backup, FileSystem::Handle file,
                        std::uint64_t size) {
    std::error_code error = CopyContent(files, backup, file, size);
    if (!error) error = files.Truncate(file, size);
    if (!error) error = files.Flush(file);
    return error;
}

InPlaceRewrite::InPlaceRewrite(std::filesystem::path target, FileSystem& files)
    : target_(std::move(target)), files_(files) {}

InPlaceRewrite::~InPlaceRewrite() {
    if (active_) Restore();
    CloseAll();
}

std::error_code InPlaceRewrite::Begin() {
    const std::optional<std::filesystem::path> folder = BackupFolder();
    if (!folder) return NoBackupFolderError();
    folder_ = *folder;
    if (std::error_code error = files_.MakePrivateFolder(folder_)) return error;

    if (std::error_code error = files_.OpenForWriting(target_, file_)) return error;
    FileStatus original;
    std::error_code error = files_.StatusOf(file_, original);
    if (!error) error = MakeBackup(original);
    if (error) {
        DropBackup();
        CloseAll();
        return error;
    }
    originalSize_ = original.size;
    active_ = true;
    return {};
}

std::error_code InPlaceRewrite::MakeBackup(const FileStatus& original) {
    if (std::error_code error =
            files_.CreateTemporary(folder_, std::string(kBackupPrefix), TemporaryAccess::OwnerOnly,
                                   backup_, backupHandle_))
        return error;
    id_ = BackupId(backup_);
    FileSystem::Handle source = FileSystem::kNoHandle;
    if (std::error_code error = files_.OpenForReading(target_, source)) return error;
    std::error_code error = CopyContent(files_, source, backupHandle_, original.size);
    files_.Close(source);
    if (!error) error = files_.Flush(backupHandle_);
    if (!error) {
        error = WriteRecord(files_, folder_, id_,
                            {std::filesystem::absolute(target_), original.device, original.inode,
                             original.size, original.created});
    }
    // Held from now on: a later start leaves a live rewrite's record alone.
    if (!error) error = files_.TryHold(RecordPath(folder_, id_), recordHandle_);
    return error;
}

std::error_code InPlaceRewrite::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (!active_) return std::make_error_code(std::errc::bad_file_descriptor);
    return files_.WriteAt(file_, offset, bytes);
}

std::error_code InPlaceRewrite::Commit(std::uint64_t length) {
    if (!active_) return std::make_error_code(std::errc::bad_file_descriptor);
    std::error_code error = files_.Truncate(file_, length);
    if (!error) error = files_.Flush(file_);
    if (error) return error;  // the destructor or Restore puts the original back
    active_ = false;
    DropBackup();
    CloseAll();
    return {};
}

std::error_code InPlaceRewrite::Restore() {
    if (!active_) return {};
    active_ = false;
    const std::error_code error = PutBack(files_, backupHandle_, file_, originalSize_);
    if (!error) DropBackup();
    CloseAll();
    return error;
}

void InPlaceRewrite::DropBackup() {
    // The record goes first, and while it is still held: a record that outlived
    // its hold would have a later start put the old content back over the new.
    // A backup without its record is only an unfinished copy.
    if (!id_.empty()) files_.Remove(RecordPath(folder_, id_));
    Close(recordHandle_);
    Close(backupHandle_);
    if (!backup_.empty()) files_.Remove(backup_);
    id_.clear();
    backup_.clear();
}

void InPlaceRewrite::CloseAll() {
    for (FileSystem::Handle* handle : {&file_, &backupHandle_, &recordHandle_}) Close(*handle);
}

void InPlaceRewrite::Close(FileSystem::Handle& handle) {
    if (handle != FileSystem::kNoHandle) files_.Close(handle);
    handle = FileSystem::kNoHandle;
}

}  // namespace vortalis
