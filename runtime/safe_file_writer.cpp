#include "safe_file_writer.h"

namespace vortalis {
namespace {

std::filesystem::path FollowLinks(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::canonical(path, error);
    return error ? std::filesystem::absolute(path, error) : resolved;
}

std::string TemporaryPrefix(const std::filesystem::path& target) {
    // Keep the name short enough that the prefix and the random part fit a file name.
    std::string name = target.filename().string().substr(0, 200);
    return "." + name + SafeFileWriter::kTemporaryMark;
}

bool FolderRefused(std::error_code error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
}

std::error_code RewriteInPlace(const std::filesystem::path& target,
                               std::span<const std::uint8_t> replacement,
                               std::span<const std::uint8_t> original, FileSystem& files) {
    FileSystem::Handle handle = FileSystem::kNoHandle;
    if (std::error_code error = files.OpenForWriting(target, handle)) return error;
    std::error_code error = files.WriteAt(handle, 0, replacement);
    if (!error) error = files.Flush(handle);
    if (error) {
        // Put the old bytes back: the file ends as it was, not half rewritten.
        files.WriteAt(handle, 0, original);
        files.Flush(handle);
    }
    const std::error_code closeError = files.Close(handle);
    return error ? error : closeError;
}

}  // namespace

SafeFileWriter::SafeFileWriter(std::filesystem::path target, FileSystem& files)
    : files_(files), target_(FollowLinks(target)) {}

SafeFileWriter::~SafeFileWriter() { Discard(); }

std::error_code SafeFileWriter::Open() {
    Discard();
    FileStatus existing;
    const bool replacing = !files_.Status(target_, existing);
    // A new file in its place would part the file's other names from it, and
    // they would keep the old content.
    if (replacing && existing.linkCount > 1) return std::make_error_code(std::errc::too_many_links);
    const std::string prefix = TemporaryPrefix(target_);
    files_.RemoveAbandonedTemporaries(target_.parent_path(), prefix);
    if (std::error_code error =
            files_.CreateTemporary(target_.parent_path(), prefix, temporary_, handle_)) {
        return error;
    }
    if (replacing) {
        if (std::error_code error = files_.SetPermissions(handle_, existing)) {
            Discard();
            return error;
        }
    }
    written_ = 0;
    return {};
}

std::error_code SafeFileWriter::Write(std::span<const std::uint8_t> bytes) {
    if (handle_ == FileSystem::kNoHandle)
        return std::make_error_code(std::errc::bad_file_descriptor);
    if (std::error_code error = files_.WriteAt(handle_, written_, bytes)) return error;
    written_ += bytes.size();
    return {};
}

std::error_code SafeFileWriter::Commit() {
    if (handle_ == FileSystem::kNoHandle)
        return std::make_error_code(std::errc::bad_file_descriptor);
    std::error_code error = files_.Flush(handle_);
    const std::error_code closeError = files_.Close(handle_);
    handle_ = FileSystem::kNoHandle;
    if (!error) error = closeError;
    if (!error) error = files_.Rename(temporary_, target_);
    if (error) {
        Discard();
        return error;
    }
    temporary_.clear();
    // The new content is in place: a folder that cannot be flushed only delays its
    // durability, and reporting a failure now would invite a second transform.
    files_.FlushFolder(target_.parent_path());
    return {};
}

void SafeFileWriter::Discard() {
    if (handle_ != FileSystem::kNoHandle) {
        files_.Close(handle_);
        handle_ = FileSystem::kNoHandle;
    }
    if (!temporary_.empty()) {
        files_.Remove(temporary_);
        temporary_.clear();
    }
}

std::error_code WriteWholeFile(const std::filesystem::path& target,
                               std::span<const std::uint8_t> bytes, FileSystem& files) {
    SafeFileWriter writer(target, files);
    std::error_code error = writer.Open();
    if (!error) error = writer.Write(bytes);
    if (!error) error = writer.Commit();
    return error;
}

std::error_code ReplaceFileContents(const std::filesystem::path& target,
                                    std::span<const std::uint8_t> replacement,
                                    std::span<const std::uint8_t> original, FileSystem& files) {
    const std::error_code error = WriteWholeFile(target, replacement, files);
    // Opening the file follows its links, as the writer does.
    if (FolderRefused(error)) return RewriteInPlace(target, replacement, original, files);
    return error;
}

}  // namespace vortalis
