#include "runtime/files/safe_file_writer.h"

#include "runtime/errors/run_error.h"

namespace vortalis {
namespace {

std::filesystem::path FollowLinks(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::canonical(path, error);
    return error ? std::filesystem::absolute(path, error) : resolved;
}

bool FolderRefused(std::error_code error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
}

}  // namespace

SafeFileWriter::SafeFileWriter(std::filesystem::path target, FileSystem& files)
    : files_(files), target_(FollowLinks(target)) {}

SafeFileWriter::~SafeFileWriter() { Discard(); }

std::error_code SafeFileWriter::Open() {
    Discard();
    written_ = 0;
    FileStatus existing;
    if (files_.Status(target_, existing)) {
        // A new file: nothing to rewrite in place if its folder refuses it.
        const std::error_code error = CreateReplacement();
        return FolderRefused(error) ? FolderRefusedError() : error;
    }
    // The user may have marked the file as not to be changed.
    if (std::error_code error = files_.CheckWritable(target_)) return error;
    // A new file in its place would part the file's other names from it.
    if (existing.linkCount > 1) return OpenInPlace();
    if (std::error_code error = CreateReplacement()) {
        return FolderRefused(error) ? OpenInPlace() : error;
    }
    if (files_.MatchOriginal(handle_, target_, existing)) {
        // The replacement would not be the same file: an owner, a group or an
        // attribute the user cannot give it.
        DropTemporary();
        return OpenInPlace();
    }
    return {};
}

std::error_code SafeFileWriter::CreateReplacement() {
    const std::filesystem::path folder = target_.parent_path();
    files_.RemoveAbandonedTemporaries(folder, kTemporaryPrefix);
    // Recorded before it exists: a kill at any moment leaves nothing unrecorded.
    record_.Write(folder);
    const std::error_code error = files_.CreateTemporary(
        folder, kTemporaryPrefix, TemporaryAccess::AsNewFiles, temporary_, handle_);
    if (error) record_.Drop();
    return error;
}

std::error_code SafeFileWriter::OpenInPlace() {
    inPlace_ = std::make_unique<InPlaceRewrite>(target_, files_);
    const std::error_code error = inPlace_->Begin();
    if (error) inPlace_.reset();
    return error;
}

std::error_code SafeFileWriter::Write(std::span<const std::uint8_t> bytes) {
    std::error_code error;
    if (inPlace_) {
        error = inPlace_->WriteAt(written_, bytes);
    } else if (handle_ == FileSystem::kNoHandle) {
        error = std::make_error_code(std::errc::bad_file_descriptor);
    } else {
        error = files_.WriteAt(handle_, written_, bytes);
    }
    if (!error) written_ += bytes.size();
    return error;
}

std::error_code SafeFileWriter::Commit() {
    if (inPlace_) {
        const std::error_code error = inPlace_->Commit(written_);
        inPlace_.reset();  // a failed commit puts the original back here
        return error;
    }
    if (handle_ == FileSystem::kNoHandle)
        return std::make_error_code(std::errc::bad_file_descriptor);
    std::error_code error = files_.Flush(handle_);
    const std::error_code closeError = files_.Close(handle_);
    handle_ = FileSystem::kNoHandle;
    if (!error) error = closeError;
    if (!error) error = files_.Rename(temporary_, target_);
    if (error) {
        DropTemporary();
        return error;
    }
    temporary_.clear();
    record_.Drop();
    // The new content is in place: a folder that cannot be flushed only delays its
    // durability, and reporting a failure now would invite a second transform.
    files_.FlushFolder(target_.parent_path());
    return {};
}

std::error_code SafeFileWriter::Discard() {
    std::error_code error;
    if (inPlace_) {
        error = inPlace_->Restore();
        inPlace_.reset();
    }
    DropTemporary();
    return error;
}

void SafeFileWriter::DropTemporary() {
    if (handle_ != FileSystem::kNoHandle) {
        files_.Close(handle_);
        handle_ = FileSystem::kNoHandle;
    }
    if (!temporary_.empty()) {
        files_.Remove(temporary_);
        temporary_.clear();
    }
    record_.Drop();
}

std::error_code WriteWholeFile(const std::filesystem::path& target,
                               std::span<const std::uint8_t> bytes, FileSystem& files) {
    SafeFileWriter writer(target, files);
    std::error_code error = writer.Open();
    if (!error) error = writer.Write(bytes);
    if (!error) error = writer.Commit();
    return error;
}

}  // namespace vortalis
