// clang-format off
#include <windows.h>
#include <aclapi.h>
#include <shlobj.h>
// clang-format on

#include <cwchar>
#include <cwctype>

#include "runtime/files/user_places.h"
#include "runtime/text/wide_text.h"

namespace vortalis {
namespace {

// Whether the running user's token is granted `access` by the object's access
// list. `_waccess` looks at the read-only attribute alone, and a folder of
// Program Files is not read-only: only its access list keeps a user out.
bool AccessListGrants(const std::filesystem::path& path, DWORD access) {
    constexpr SECURITY_INFORMATION kParts =
        OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(WidePath(path).c_str(), SE_FILE_OBJECT, kParts, nullptr, nullptr,
                              nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    bool granted = false;
    HANDLE process = nullptr;
    HANDLE user = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_DUPLICATE, &process) &&
        DuplicateToken(process, SecurityImpersonation, &user)) {
        GENERIC_MAPPING mapping{FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE,
                                FILE_ALL_ACCESS};
        PRIVILEGE_SET privileges{};
        DWORD privilegesSize = sizeof privileges;
        DWORD grantedAccess = 0;
        BOOL allowed = FALSE;
        granted = AccessCheck(descriptor, user, access, &mapping, &privileges, &privilegesSize,
                              &grantedAccess, &allowed) &&
                  allowed;
    }
    if (user != nullptr) CloseHandle(user);
    if (process != nullptr) CloseHandle(process);
    LocalFree(descriptor);
    return granted;
}

bool OnReadOnlyVolume(const std::filesystem::path& folder) {
    const std::wstring path = WidePath(folder);
    // A volume's root is never longer than the full form of a path on it.
    std::wstring root(path.size() + MAX_PATH, L'\0');
    DWORD flags = 0;
    return GetVolumePathNameW(path.c_str(), root.data(), static_cast<DWORD>(root.size())) &&
           GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0) &&
           (flags & FILE_READ_ONLY_VOLUME) != 0;
}

// `inner` is `outer` or lies below it, letters compared without case.
bool Within(const std::filesystem::path& inner, const std::filesystem::path& outer) {
    const std::filesystem::path normalInner = inner.lexically_normal();
    const std::filesystem::path normalOuter = outer.lexically_normal();
    auto part = normalInner.begin();
    for (const std::filesystem::path& outerPart : normalOuter) {
        if (outerPart.empty()) continue;  // a trailing separator
        if (part == normalInner.end() ||
            _wcsicmp(part->wstring().c_str(), outerPart.wstring().c_str()) != 0) {
            return false;
        }
        ++part;
    }
    return true;
}

}  // namespace

bool UserPlaces::FolderWritable(const std::filesystem::path& folder) const {
    const DWORD attributes = GetFileAttributesW(WidePath(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return false;
    }
    return !OnReadOnlyVolume(folder) && AccessListGrants(folder, FILE_ADD_FILE);
}

std::optional<std::string> UserPlaces::Environment(const char* name) const {
    const wchar_t* value = _wgetenv(Widen(name).c_str());
    if (value == nullptr || *value == L'\0') return std::nullopt;
    return Narrow(value);
}

std::optional<std::filesystem::path> UserPlaces::DocumentsFolder() const {
    PWSTR folder = nullptr;
    std::optional<std::filesystem::path> documents;
    if (SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_DEFAULT, nullptr, &folder) == S_OK) {
        documents = std::filesystem::path(folder);
    }
    CoTaskMemFree(folder);
    return documents;
}

std::optional<std::filesystem::path> UserStateFolder(const UserPlaces& places) {
    return FolderNamedBy(places, "LOCALAPPDATA");
}

std::optional<std::filesystem::path> UserConfigFolder(const UserPlaces& places) {
    return FolderNamedBy(places, "APPDATA");
}

bool InSystemFolder(const std::filesystem::path& folder, const UserPlaces& places) {
    for (const char* variable :
         {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "SystemRoot"}) {
        if (const auto system = FolderNamedBy(places, variable);
            system && Within(folder, *system)) {
            return true;
        }
    }
    return false;
}

}  // namespace vortalis
