#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>

#include "file_system.h"

namespace vortalis {
namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

template <typename Call>
auto RetryInterrupted(Call call) {
    for (;;) {
        const auto result = call();
        if (result != -1 || errno != EINTR) return result;
    }
}

unsigned CreationPermissions() {
    // The umask can only be read by setting it; this is done once, before any thread.
    static const unsigned permissions = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return 0666u & ~static_cast<unsigned>(mask);
    }();
    return permissions;
}

}  // namespace

std::error_code FileSystem::Status(const std::filesystem::path& path, FileStatus& status) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return LastError();
    status.size = static_cast<std::uint64_t>(info.st_size);
    status.isRegular = S_ISREG(info.st_mode);
    status.isDirectory = S_ISDIR(info.st_mode);
    status.permissions = info.st_mode & 07777;
    status.linkCount = info.st_nlink;
    status.owner = info.st_uid;
    status.group = info.st_gid;
    return {};
}

std::error_code FileSystem::OpenForReading(const std::filesystem::path& path, Handle& handle) {
    // Non-blocking, so that a named pipe given by mistake cannot hang the program.
    handle =
        RetryInterrupted([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); });
    return handle == kNoHandle ? LastError() : std::error_code{};
}

std::error_code FileSystem::OpenForWriting(const std::filesystem::path& path, Handle& handle) {
    handle =
        RetryInterrupted([&] { return ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK); });
    return handle == kNoHandle ? LastError() : std::error_code{};
}

std::error_code FileSystem::CreateTemporary(const std::filesystem::path& folder,
                                            const std::string& prefix, std::filesystem::path& path,
                                            Handle& handle) {
    std::string pattern = (folder / (prefix + "XXXXXX")).string();
    handle = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (handle == kNoHandle) return LastError();
    path = pattern;
    // The lock tells a later run that this file is still being written.
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0 || ::fchmod(handle, CreationPermissions()) != 0) {
        const std::error_code error = LastError();
        ::close(handle);
        ::unlink(pattern.c_str());
        handle = kNoHandle;
        return error;
    }
    return {};
}

std::error_code FileSystem::ReadAt(Handle handle, std::uint64_t offset,
                                   std::span<std::uint8_t> bytes, std::size_t& count) {
    count = 0;
    while (count < bytes.size()) {
        const ssize_t got = RetryInterrupted([&] {
            return ::pread(handle, bytes.data() + count, bytes.size() - count,
                           static_cast<off_t>(offset + count));
        });
        if (got < 0) return LastError();
        if (got == 0) break;
        count += static_cast<std::size_t>(got);
    }
    return {};
}

std::error_code FileSystem::WriteAt(Handle handle, std::uint64_t offset,
                                    std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = RetryInterrupted([&] {
            return ::pwrite(handle, bytes.data() + done, bytes.size() - done,
                            static_cast<off_t>(offset + done));
        });
        if (put < 0) return LastError();
        done += static_cast<std::size_t>(put);
    }
    return {};
}

std::error_code FileSystem::SetPermissions(Handle handle, const FileStatus& like) {
    // Keep the owner where we may (as root); a user cannot give files away, and
    // that is no reason to fail.
    if (::fchown(handle, like.owner, like.group) != 0 && errno != EPERM) return LastError();
    return ::fchmod(handle, like.permissions) != 0 ? LastError() : std::error_code{};
}

std::error_code FileSystem::Flush(Handle handle) {
    return RetryInterrupted([&] { return ::fsync(handle); }) != 0 ? LastError() : std::error_code{};
}

std::error_code FileSystem::Close(Handle handle) {
    // Linux releases the descriptor even when close reports EINTR: never retry.
    return ::close(handle) != 0 && errno != EINTR ? LastError() : std::error_code{};
}

std::error_code FileSystem::Rename(const std::filesystem::path& from,
                                   const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str()) != 0 ? LastError() : std::error_code{};
}

std::error_code FileSystem::Remove(const std::filesystem::path& path) {
    return ::unlink(path.c_str()) != 0 ? LastError() : std::error_code{};
}

std::error_code FileSystem::FlushFolder(const std::filesystem::path& folder) {
    const int handle = RetryInterrupted(
        [&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (handle == kNoHandle) return LastError();
    std::error_code error = Flush(handle);
    ::close(handle);
    // Some file systems cannot flush a folder; the rename itself has happened.
    if (error == std::errc::invalid_argument) error.clear();
    return error;
}

void FileSystem::RemoveAbandonedTemporaries(const std::filesystem::path& folder,
                                            const std::string& prefix) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) return;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name(entry->d_name);
        if (!name.starts_with(prefix)) continue;
        const std::filesystem::path path = folder / name;
        const int handle = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (handle == kNoHandle) continue;
        // Locked: its writer is alive. Unlocked: its writer died before finishing.
        if (::flock(handle, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
        ::close(handle);
    }
    ::closedir(listing);
}

FileSystem& SystemFiles() {
    static FileSystem files;
    return files;
}

}  // namespace vortalis
