// The file operations on the Windows API, at any path length (WidePath). Handles
// are the C runtime's file descriptors over the system's handles; errors are
// given as the errno values the rest of the code reads.

// clang-format off
#include <windows.h>
#include <aclapi.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include <random>

#include "runtime/files/file_system.h"
#include "runtime/text/utf8_path.h"
#include "runtime/text/wide_text.h"

namespace vortalis {

bool IsHiddenName(std::string_view /*name*/) { return false; }
namespace {

std::error_code ErrnoError() { return {errno, std::generic_category()}; }

std::error_code ErrorFromWindows(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return std::make_error_code(std::errc::no_such_file_or_directory);
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_UNABLE_TO_REMOVE_REPLACED:
            return std::make_error_code(std::errc::permission_denied);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return std::make_error_code(std::errc::no_space_on_device);
        case ERROR_WRITE_PROTECT:
            return std::make_error_code(std::errc::read_only_file_system);
        case ERROR_NOT_READY:
        case ERROR_INVALID_DRIVE:
            return std::make_error_code(std::errc::no_such_device);
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_FILENAME_EXCED_RANGE:
            return std::make_error_code(std::errc::invalid_argument);
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return std::make_error_code(std::errc::file_exists);
        case ERROR_DIRECTORY:
            return std::make_error_code(std::errc::not_a_directory);
        default:
            return std::make_error_code(std::errc::io_error);
    }
}

// How long a file that another program holds for a moment is waited for: virus
// scanners, indexers and synchronising programs open a file just written for
// well under a second.
constexpr ULONGLONG kHoldWaitMilliseconds = 2000;
constexpr DWORD kHoldRetryMilliseconds = 50;

bool HeldByAnother(DWORD code) {
    return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION;
}

// A file cannot be replaced while another program has it open without
// letting it be removed, nor while it is being removed.
bool ReplacedHeldByAnother(DWORD code) {
    return HeldByAnother(code) || code == ERROR_ACCESS_DENIED ||
           code == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Repeats `attempt` (the system's error code, or 0 once done) while `held` says
// another program holds the file, for a bounded time.
template <typename Attempt, typename Held>
DWORD WaitingOutHolds(Attempt attempt, Held held) {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        const DWORD code = attempt();
        if (code == ERROR_SUCCESS || !held(code) ||
            GetTickCount64() - start >= kHoldWaitMilliseconds)
            return code;
        Sleep(kHoldRetryMilliseconds);
    }
}

// The C runtime's descriptor for a handle of the system's; the handle is
// closed when the descriptor cannot be made.
std::error_code Adopt(HANDLE file, int flags, FileSystem::Handle& handle) {
    handle = _open_osfhandle(reinterpret_cast<intptr_t>(file), flags | _O_BINARY);
    if (handle != FileSystem::kNoHandle) return {};
    CloseHandle(file);
    return std::make_error_code(std::errc::too_many_files_open);
}

std::error_code Open(const std::filesystem::path& path, DWORD access, DWORD share, int flags,
                     FileSystem::Handle& handle) {
    handle = FileSystem::kNoHandle;
    const std::wstring name = WidePath(path);
    HANDLE file = INVALID_HANDLE_VALUE;
    const DWORD code = WaitingOutHolds(
        [&] {
            file = CreateFileW(name.c_str(), access, share, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
            return file == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
        },
        HeldByAnother);
    if (code != ERROR_SUCCESS) return ErrorFromWindows(code);
    return Adopt(file, flags, handle);
}

HANDLE SystemHandle(FileSystem::Handle handle) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(handle));
}

std::error_code FillStatus(HANDLE file, FileStatus& status) {
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(file, &information)) return ErrorFromWindows(GetLastError());
    const DWORD attributes = information.dwFileAttributes;
    status.size = (std::uint64_t{information.nFileSizeHigh} << 32) | information.nFileSizeLow;
    status.isRegular = (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
                       (attributes & FILE_ATTRIBUTE_DEVICE) == 0 &&
                       GetFileType(file) == FILE_TYPE_DISK;
    status.permissions = (attributes & FILE_ATTRIBUTE_READONLY) != 0 ? 0444 : 0666;
    status.linkCount = information.nNumberOfLinks;
    status.device = information.dwVolumeSerialNumber;
    status.inode = (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
    const std::uint64_t ticks = (std::uint64_t{information.ftCreationTime.dwHighDateTime} << 32) |
                                information.ftCreationTime.dwLowDateTime;
    // Kept in 100-nanosecond ticks: it is only compared, never shown.
    status.created = static_cast<std::int64_t>(ticks);
    status.hidden = (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
    return {};
}

// What a file's properties show and its replacement takes: read-only files are
// refused before they are rewritten.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The attributes a file put in the place of one with `targetAttributes` shows:
// the target's, or those of any new file when there is no target.
DWORD AttributesInPlaceOf(DWORD targetAttributes) {
    if (targetAttributes == INVALID_FILE_ATTRIBUTES || (targetAttributes & kKeptAttributes) == 0)
        return FILE_ATTRIBUTE_NORMAL;
    return targetAttributes & kKeptAttributes;
}

// The owner, group and access list, explicit or inherited as the original's.
std::error_code MatchSecurity(HANDLE file, const std::filesystem::path& original) {
    constexpr SECURITY_INFORMATION kParts =
        OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    PSID owner = nullptr;
    PSID group = nullptr;
    PACL access = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    DWORD code = GetNamedSecurityInfoW(WidePath(original).c_str(), SE_FILE_OBJECT, kParts, &owner,
                                       &group, &access, nullptr, &descriptor);
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

// Whether ReplaceFileW cannot put the file in place here while a plain move
// can: the target is gone, or the volume does not offer it.
bool ReplaceCannotServe(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
        case ERROR_INVALID_FUNCTION:
        case ERROR_NOT_SUPPORTED:
        case ERROR_CALL_NOT_IMPLEMENTED:
        case ERROR_INVALID_PARAMETER:
            return true;
        default:
            return false;
    }
}

DWORD Move(const std::wstring& from, const std::wstring& to) {
    return WaitingOutHolds(
        [&] {
            return MoveFileExW(from.c_str(), to.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                       ? ERROR_SUCCESS
                       : GetLastError();
        },
        ReplacedHeldByAnother);
}

// Puts `source` in the place of the existing `target`, keeping what the system
// keeps of the file it replaces. The old file goes aside under `aside` and is
// removed: named so, no implementation leaves a file of its own behind when the
// target is held, and a kill before the removal leaves a temporary file of
// ours, which the next start removes.
DWORD Replace(const std::wstring& source, const std::wstring& target, const std::wstring& aside) {
    const DWORD code = WaitingOutHolds(
        [&] {
            return ReplaceFileW(target.c_str(), source.c_str(), aside.c_str(),
                                REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                       ? ERROR_SUCCESS
                       : GetLastError();
        },
        ReplacedHeldByAnother);
    if (code == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        // The old file is aside and its place empty: finish with a move, or
        // put the old file back.
        const DWORD moved = Move(source, target);
        if (moved != ERROR_SUCCESS) {
            Move(aside, target);
            return moved;
        }
    } else if (code != ERROR_SUCCESS) {
        return code;
    }
    DeleteFileW(aside.c_str());
    return ERROR_SUCCESS;
}

FolderEntry EntryOf(const WIN32_FIND_DATAW& found) {
    const DWORD attributes = found.dwFileAttributes;
    FolderEntry entry;
    // Narrow spells what it cannot convert (a surrogate without its pair) as U+FFFD.
    entry.name = Narrow(found.cFileName);
    entry.isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.isRegular = !entry.isFolder && (attributes & FILE_ATTRIBUTE_DEVICE) == 0;
    entry.hidden = (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
    return entry;
}

}  // namespace

std::error_code FileSystem::Status(const std::filesystem::path& path, FileStatus& status) {
    const HANDLE file = CreateFileW(WidePath(path).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return ErrorFromWindows(GetLastError());
    const std::error_code error = FillStatus(file, status);
    CloseHandle(file);
    return error;
}

std::error_code FileSystem::StatusOf(Handle handle, FileStatus& status) {
    const HANDLE file = SystemHandle(handle);
    if (file == INVALID_HANDLE_VALUE) return std::make_error_code(std::errc::bad_file_descriptor);
    return FillStatus(file, status);
}

std::error_code FileSystem::CheckWritable(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return ErrorFromWindows(GetLastError());
    return (attributes & FILE_ATTRIBUTE_READONLY) != 0
               ? std::make_error_code(std::errc::permission_denied)
               : std::error_code{};
}

std::error_code FileSystem::OpenForReading(const std::filesystem::path& path, Handle& handle,
                                           OtherWriters others) {
    DWORD share = FILE_SHARE_READ | FILE_SHARE_DELETE;
    if (others == OtherWriters::LetIn) share |= FILE_SHARE_WRITE;
    return Open(path, GENERIC_READ, share, _O_RDONLY, handle);
}

std::error_code FileSystem::OpenForWriting(const std::filesystem::path& path, Handle& handle) {
    return Open(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, _O_WRONLY, handle);
}

std::error_code FileSystem::CreateTemporary(const std::filesystem::path& folder,
                                            const std::string& prefix, TemporaryAccess,
                                            std::filesystem::path& path, Handle& handle) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    handle = kNoHandle;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 6; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
        path = folder / Utf8Path(name);
        // Written to by us alone, and removed by nobody while we hold it. Hidden:
        // a name's leading dot hides nothing here. A file in the user's profile
        // is the user's alone already.
        const HANDLE file =
            CreateFileW(WidePath(path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            const std::error_code error = Adopt(file, _O_RDWR, handle);
            if (error) {
                DeleteFileW(WidePath(path).c_str());
                path.clear();
            }
            return error;
        }
        const DWORD code = GetLastError();
        path.clear();
        if (code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS)
            return ErrorFromWindows(code);
    }
    return std::make_error_code(std::errc::file_exists);
}

std::error_code FileSystem::TryHold(const std::filesystem::path& path, Handle& handle) {
    // Alone on the file, but for its removal: a program holding it keeps others
    // out, and may remove it before letting go.
    handle = kNoHandle;
    const HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        return code == ERROR_SHARING_VIOLATION
                   ? std::make_error_code(std::errc::resource_unavailable_try_again)
                   : ErrorFromWindows(code);
    }
    return Adopt(file, _O_RDONLY, handle);
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
    const HANDLE file = SystemHandle(handle);
    if (file == INVALID_HANDLE_VALUE) return std::make_error_code(std::errc::bad_file_descriptor);
    // The attributes come with the replacement itself (Rename).
    return MatchSecurity(file, original);
}

std::error_code FileSystem::Flush(Handle handle) {
    return _commit(handle) != 0 ? ErrnoError() : std::error_code{};
}

std::error_code FileSystem::Close(Handle handle) {
    return _close(handle) != 0 ? ErrnoError() : std::error_code{};
}

std::error_code FileSystem::Rename(const std::filesystem::path& from,
                                   const std::filesystem::path& to) {
    const std::wstring source = WidePath(from);
    const std::wstring target = WidePath(to);
    const DWORD targetAttributes = GetFileAttributesW(target.c_str());
    // Hidden while it was written, it shows as the file it takes the place of.
    if (!SetFileAttributesW(source.c_str(), AttributesInPlaceOf(targetAttributes)))
        return ErrorFromWindows(GetLastError());
    if (targetAttributes != INVALID_FILE_ATTRIBUTES) {
        // The replaced file's streams (a downloaded file's mark), security,
        // encryption, compression and identity stay; a move would drop them.
        const DWORD code = Replace(source, target, source + L".old");
        if (code == ERROR_SUCCESS) return {};
        if (!ReplaceCannotServe(code)) return ErrorFromWindows(code);
    }
    const DWORD code = Move(source, target);
    return code == ERROR_SUCCESS ? std::error_code{} : ErrorFromWindows(code);
}

std::error_code FileSystem::Remove(const std::filesystem::path& path) {
    return DeleteFileW(WidePath(path).c_str()) ? std::error_code{}
                                               : ErrorFromWindows(GetLastError());
}

std::error_code FileSystem::FlushFolder(const std::filesystem::path&) {
    return {};  // the replace and the move write through already
}

std::error_code FileSystem::MakePrivateFolder(const std::filesystem::path& folder) {
    // A folder in the user's profile is the user's alone already.
    return MakeFolders(folder);
}

std::error_code FileSystem::MakeFolders(const std::filesystem::path& folder) {
    const DWORD attributes = GetFileAttributesW(WidePath(folder).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                   ? std::error_code{}
                   : std::make_error_code(std::errc::not_a_directory);
    }
    const std::filesystem::path parent = folder.parent_path();
    if (parent != folder && !parent.empty() && folder.has_relative_path()) {
        if (std::error_code error = MakeFolders(parent)) return error;
    }
    if (CreateDirectoryW(WidePath(folder).c_str(), nullptr)) return {};
    const DWORD code = GetLastError();
    return code == ERROR_ALREADY_EXISTS ? std::error_code{} : ErrorFromWindows(code);
}

std::error_code FileSystem::ListEntries(const std::filesystem::path& folder,
                                        std::vector<FolderEntry>& entries) {
    entries.clear();
    std::wstring pattern = WidePath(folder);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW found;
    const HANDLE search =
        FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                         FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        // A drive's empty root has not even "." to list.
        return code == ERROR_FILE_NOT_FOUND ? std::error_code{} : ErrorFromWindows(code);
    }
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..") entries.push_back(EntryOf(found));
    } while (FindNextFileW(search, &found));
    const DWORD code = GetLastError();
    FindClose(search);
    return code == ERROR_NO_MORE_FILES ? std::error_code{} : ErrorFromWindows(code);
}

FileSystem& SystemFiles() {
    static FileSystem files;
    return files;
}

}  // namespace vortalis
