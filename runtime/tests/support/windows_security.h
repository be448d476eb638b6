#pragma once

// clang-format off
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>
// clang-format on

#include <filesystem>
#include <string>

namespace vortalis::testing {

// The file's owner, group and access list as text, to compare two files'.
inline std::wstring SecurityText(const std::filesystem::path& path) {
    constexpr SECURITY_INFORMATION kParts =
        OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, kParts, nullptr, nullptr, nullptr,
                              nullptr, &descriptor) != ERROR_SUCCESS)
        return L"";
    LPWSTR text = nullptr;
    ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1, kParts, &text,
                                                         nullptr);
    std::wstring result = text != nullptr ? text : L"";
    LocalFree(text);
    LocalFree(descriptor);
    return result;
}

// Gives the file a protected access list of its own, from its text form.
inline bool SetAccessList(const std::filesystem::path& path, const wchar_t* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor,
                                                              nullptr))
        return false;
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL access = nullptr;
    GetSecurityDescriptorDacl(descriptor, &present, &access, &defaulted);
    std::wstring name = path.wstring();
    const DWORD code =
        SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT,
                              DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, access, nullptr);
    LocalFree(descriptor);
    return code == ERROR_SUCCESS;
}

}  // namespace vortalis::testing
