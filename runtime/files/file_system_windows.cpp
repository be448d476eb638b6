// The file operations on the Windows API. Handles are the C runtime's file
// descriptors; errors are given as the errno values the rest of the code reads.

// clang-format off
#include <windows.h>
#include <aclapi.h>
// clang-format on
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <cerrno>
#include <random>

#include "runtime/files/file_system.h"

namespace vortalis {

bool IsHiddenName(std::string_view /*name*/) { return false; }
namespace {

std::error_code ErrnoError() { return {errno, std::generic_category()}; }

std::error_code ErrorFromWindows(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return std::make_error_code(std::errc::no_such_file_or_directory);
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return std::make_error_code(std::errc::permission_denied);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return std::make_error_code(std::errc::no_space_on_device);
        case ERROR_WRITE_PROTECT:
            return std::make_error_code(std::errc::read_only_file_system);
        case ERROR_NOT_READY:
            return std::make_error_code(std::errc::no_such_device);
        default:
            return std::make_error_code(std::errc::io_error);
    }
}

std::error_code Open(const std::filesystem::path& path, int flags, int share, int& handle) {
    const errno_t error = _wsopen_s(&handle, path.c_str(), flags | _O_BINARY | _O_NOINHERIT, share,
                                    _S_IREAD | _S_IWRITE);
    if (error != 0) {
        handle = FileSystem::kNoHandle;
        return {error, std::generic_category()};
    }
    return {};
}

void FillStatus(const struct _stat64& info, FileStatus& status) {
    status.size = static_cast<std::uint64_t>(info.st_size);
    status.isRegular = (info.st_mode & _S_IFMT) == _S_IFREG;
    status.permissions = info.st_mode & 0777;
}

// The C runtime gives neither the file's identity nor its number of names.
void FillIdentity(HANDLE file, FileStatus& status) {
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(file, &information)) return;
    status.linkCount = information.nNumberOfLinks;
    status.device = information.dwVolumeSerialNumber;
    status.inode = (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
    const std::uint64_t ticks = (std::uint64_t{information.ftCreationTime.dwHighDateTime} << 32) |
                                information.ftCreationTime.dwLowDateTime;
    // Kept in 100-nanosecond ticks: it is only compared, never shown.
    status.created = static_cast<std::int64_t>(ticks);
    status.hidden =
        (information.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}

// What a file's properties show and a copy must keep; read-only files are
// refused before they are rewritten.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::error_code MatchAttributes(HANDLE file, const std::filesystem::path& original) {
    const DWORD attributes = GetFileAttributesW(original.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return ErrorFromWindows(GetLastError());
    FILE_BASIC_INFO basic{};  // times left at 0 stay as they are
    basic.FileAttributes =
        (attributes & kKeptAttributes) != 0 ? attributes & kKeptAttributes : FILE_ATTRIBUTE_NORMAL;
    if (!SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic))
        return ErrorFromWindows(GetLastError());
    return {};
}

// The owner, group and access list, explicit or inherited as the original's.
std::error_code MatchSecurity(HANDLE file, const std::filesystem::path& original) {
    constexpr SECURITY_INFORMATION kParts =
        OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    PSID owner = nullptr;
    PSID group = nullptr;
    PACL access = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    DWORD code = GetNamedSecurityInfoW(original.c_str(), SE_FILE_OBJECT, kParts, &owner, &group,
                                       &access, nullptr, &descriptor);
    if (code != ERROR_SUCCESS) return ErrorFromWindows(code);
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    GetSecurityDescriptorControl(descriptor, &control, &revision);
    const SECURITY_INFORMATION inheritance = (control & SE_DACL_PROTECTED) != 0
                                                 ? PROTECTED_DACL_SECURITY_INFORMATION
                                                 : UNPROTECTED_DACL_SECURITY_INFORMATION;
    // The handle was opened for its data only; the path opens it for its rights.
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), 0);
    if (length >= path.size()) {
        path.resize(length);
        length = GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), 0);
    }
    if (length == 0 || length >= path.size()) {
        code = GetLastError();
    } else {
        path.resize(length);
        code = SetNamedSecurityInfoW(path.data(), SE_FILE_OBJECT, kParts | inheritance, owner,
                                     group, access, nullptr);
    }
    LocalFree(descriptor);
    return code == ERROR_SUCCESS ? std::error_code{} : ErrorFromWindows(code);
}

}  // namespace

std::error_code FileSystem::Status(const std::filesystem::path& path, FileStatus& status) {
    struct _stat64 info {};
    if (_wstat64(path.c_str(), &info) != 0) return ErrnoError();
    FillStatus(info, status);
    const HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        FillIdentity(file, status);
        CloseHandle(file);
    }
    return {};
}

std::error_code FileSystem::StatusOf(Handle handle, FileStatus& status) {
    struct _stat64 info {};
    if (_fstat64(handle, &info) != 0) return ErrnoError();
    FillStatus(info, status);
    FillIdentity(reinterpret_cast<HANDLE>(_get_osfhandle(handle)), status);
    return {};
}

std::error_code FileSystem::CheckWritable(const std::filesystem::path& path) {
    return _waccess(path.c_str(), 2) != 0 ? ErrnoError() : std::error_code{};
}

std::error_code FileSystem::OpenForReading(const std::filesystem::path& path, Handle& handle) {
    // Writers are let in: a file rewritten in place is read and written at once.
    return Open(path, _O_RDONLY, _SH_DENYNO, handle);
}

std::error_code FileSystem::OpenForWriting(const std::filesystem::path& path, Handle& handle) {
    return Open(path, _O_WRONLY, _SH_DENYNO, handle);
}

std::error_code FileSystem::CreateTemporary(const std::filesystem::path& folder,
                                            const std::string& prefix, TemporaryAccess,
                                            std::filesystem::path& path, Handle& handle) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 6; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
        path = folder / name;
        // Opened without delete sharing: nobody removes it while we write it. A
        // file in the user's profile is the user's alone already.
        const std::error_code error = Open(path, _O_RDWR | _O_CREAT | _O_EXCL, _SH_DENYWR, handle);
        if (!error) return {};
        path.clear();
        if (error != std::errc::file_exists) return error;
    }
    return std::make_error_code(std::errc::file_exists);
}

std::error_code FileSystem::TryHold(const std::filesystem::path& path, Handle& handle) {
    // Alone on the file, but for its removal: a program holding it keeps others
    // out, and may remove it before letting go.
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        return code == ERROR_SHARING_VIOLATION
                   ? std::make_error_code(std::errc::resource_unavailable_try_again)
                   : ErrorFromWindows(code);
    }
    handle = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (handle == kNoHandle) {
        CloseHandle(file);
        return std::make_error_code(std::errc::too_many_files_open);
    }
    return {};
}

std::error_code FileSystem::ReadAt(Handle handle, std::uint64_t offset,
                                   std::span<std::uint8_t> bytes, std::size_t& count) {
    count = 0;
    if (_lseeki64(handle, static_cast<__int64>(offset), SEEK_SET) < 0) return ErrnoError();
    while (count < bytes.size()) {
        const auto chunk =
            static_cast<unsigned>(std::min<std::size_t>(bytes.size() - count, 1u << 30));
        const int got = _read(handle, bytes.data() + count, chunk);
        if (got < 0) return ErrnoError();
        if (got == 0) break;
        count += static_cast<std::size_t>(got);
    }
    return {};
}

std::error_code FileSystem::WriteAt(Handle handle, std::uint64_t offset,
                                    std::span<const std::uint8_t> bytes) {
    if (_lseeki64(handle, static_cast<__int64>(offset), SEEK_SET) < 0) return ErrnoError();
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk =
            static_cast<unsigned>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        const int put = _write(handle, bytes.data() + done, chunk);
        if (put < 0) return ErrnoError();
        done += static_cast<std::size_t>(put);
    }
    return {};
}

std::error_code FileSystem::Truncate(Handle handle, std::uint64_t size) {
    const errno_t error = _chsize_s(handle, static_cast<__int64>(size));
    return error != 0 ? std::error_code{error, std::generic_category()} : std::error_code{};
}

std::error_code FileSystem::MatchOriginal(Handle handle, const std::filesystem::path& original,
                                          const FileStatus&) {
    const auto file = reinterpret_cast<HANDLE>(_get_osfhandle(handle));
    if (file == INVALID_HANDLE_VALUE) return std::make_error_code(std::errc::bad_file_descriptor);
    if (std::error_code error = MatchSecurity(file, original)) return error;
    return MatchAttributes(file, original);
}

std::error_code FileSystem::Flush(Handle handle) {
    return _commit(handle) != 0 ? ErrnoError() : std::error_code{};
}

std::error_code FileSystem::Close(Handle handle) {
    return _close(handle) != 0 ? ErrnoError() : std::error_code{};
}

std::error_code FileSystem::Rename(const std::filesystem::path& from,
                                   const std::filesystem::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return ErrorFromWindows(GetLastError());
}

std::error_code FileSystem::Remove(const std::filesystem::path& path) {
    return DeleteFileW(path.c_str()) ? std::error_code{} : ErrorFromWindows(GetLastError());
}

std::error_code FileSystem::FlushFolder(const std::filesystem::path&) {
    return {};  // MOVEFILE_WRITE_THROUGH has already made the rename durable
}

std::error_code FileSystem::MakePrivateFolder(const std::filesystem::path& folder) {
    // A folder in the user's profile is the user's alone already.
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return error;
}

std::error_code FileSystem::ListFolder(const std::filesystem::path& folder,
                                       std::vector<std::string>& names) {
    names.clear();
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        names.push_back(entry->path().filename().string());
    }
    return error;
}

FileSystem& SystemFiles() {
    static FileSystem files;
    return files;
}

}  // namespace vortalis
