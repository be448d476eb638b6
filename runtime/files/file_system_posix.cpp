#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>

#include "runtime/files/file_system.h"
#include "runtime/text/utf8_path.h"

namespace vortalis {

bool IsHiddenName(std::string_view name) { return !name.empty() && name.front() == '.'; }
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

std::error_code StatusAt(int folder, const char* path, int flags, FileStatus& status) {
    struct statx info {};
    if (::statx(folder, path, flags, STATX_BASIC_STATS | STATX_BTIME, &info) != 0)
        return LastError();
    status.size = info.stx_size;
    status.isRegular = S_ISREG(info.stx_mode);
    status.permissions = info.stx_mode & 07777;
    status.linkCount = info.stx_nlink;
    status.owner = info.stx_uid;
    status.group = info.stx_gid;
    status.device = makedev(info.stx_dev_major, info.stx_dev_minor);
    status.inode = info.stx_ino;
    status.created = (info.stx_mask & STATX_BTIME) != 0
                         ? info.stx_btime.tv_sec * 1'000'000'000LL + info.stx_btime.tv_nsec
                         : 0;
    return {};
}

}  // namespace

std::error_code FileSystem::Status(const std::filesystem::path& path, FileStatus& status) {
    return StatusAt(AT_FDCWD, path.c_str(), 0, status);
}

std::error_code FileSystem::StatusOf(Handle handle, FileStatus& status) {
    return StatusAt(handle, "", AT_EMPTY_PATH, status);
}

std::error_code FileSystem::CheckWritable(const std::filesystem::path& path) {
    // A file its owner may not write is read-only for everyone, the superuser
    // too, as the read-only attribute is on Windows.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0) {
        return std::make_error_code(std::errc::permission_denied);
    }
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 ? LastError()
                                                                      : std::error_code{};
}

std::error_code FileSystem::OpenForReading(const std::filesystem::path& path, Handle& handle,
                                           OtherWriters /*others*/) {
    // POSIX keeps no writer out of an open file. Non-blocking, so that a named pipe given by
    // mistake cannot hang the program.
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
                                            const std::string& prefix, TemporaryAccess access,
                                            std::filesystem::path& path, Handle& handle) {
    const unsigned permissions =
        access == TemporaryAccess::OwnerOnly ? 0600u : CreationPermissions();
    path.clear();
    for (;;) {
        std::string pattern = Utf8Text(folder / Utf8Path(prefix + "XXXXXX"));
        handle = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (handle == kNoHandle) return LastError();
        // The lock tells a later run that this file is still being written.
        struct stat info {};
        if (::flock(handle, LOCK_EX | LOCK_NB) != 0 || ::fchmod(handle, permissions) != 0 ||
            ::fstat(handle, &info) != 0) {
            const std::error_code error = LastError();
            ::close(handle);
            ::unlink(pattern.c_str());
            handle = kNoHandle;
            return error;
        }
        // Another program's clean-up may have removed it before the lock was
        // taken: then make another.
        if (info.st_nlink > 0) {
            path = Utf8Path(pattern);
            return {};
        }
        ::close(handle);
    }
}

std::error_code FileSystem::TryHold(const std::filesystem::path& path, Handle& handle) {
    handle = RetryInterrupted(
        [&] { return ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC); });
    if (handle == kNoHandle) return LastError();
    struct stat held {};
    struct stat named {};
    std::error_code error;
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        error = errno == EWOULDBLOCK
                    ? std::make_error_code(std::errc::resource_unavailable_try_again)
                    : LastError();
    } else if (::fstat(handle, &held) != 0 || ::lstat(path.c_str(), &named) != 0 ||
               held.st_ino != named.st_ino || held.st_dev != named.st_dev) {
        // Removed or replaced by its last holder in the meantime.
        error = std::make_error_code(std::errc::no_such_file_or_directory);
    }
    if (error) {
        ::close(handle);
        handle = kNoHandle;
    }
    return error;
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

std::error_code FileSystem::Truncate(Handle handle, std::uint64_t size) {
    return RetryInterrupted([&] { return ::ftruncate(handle, static_cast<off_t>(size)); }) != 0
               ? LastError()
               : std::error_code{};
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

std::error_code FileSystem::MakePrivateFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder.parent_path(), error);
    if (error) return error;
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return LastError();
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return LastError();
    return S_ISDIR(info.st_mode) ? std::error_code{}
                                 : std::make_error_code(std::errc::not_a_directory);
}

std::error_code FileSystem::MakeFolders(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return error;
}

std::error_code FileSystem::ListEntries(const std::filesystem::path& folder,
                                        std::vector<FolderEntry>& entries) {
    entries.clear();
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) return LastError();
    const int folderHandle = ::dirfd(listing);
    while (const dirent* found = ::readdir(listing)) {
        const std::string_view name(found->d_name);
        if (name == "." || name == "..") continue;
        FolderEntry entry{std::string(name), found->d_type == DT_DIR, found->d_type == DT_REG,
                          IsHiddenName(name)};
        // Links are followed, and some file systems do not say an entry's kind.
        struct stat info {};
        if ((found->d_type == DT_LNK || found->d_type == DT_UNKNOWN) &&
            ::fstatat(folderHandle, found->d_name, &info, 0) == 0) {
            entry.isFolder = S_ISDIR(info.st_mode);
            entry.isRegular = S_ISREG(info.st_mode);
        }
        entries.push_back(std::move(entry));
    }
    ::closedir(listing);
    return {};
}

FileSystem& SystemFiles() {
    static FileSystem files;
    return files;
}

}  // namespace vortalis
