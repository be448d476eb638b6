#include "pathwell/platform/windows/shell_call_path.h"

#include <windows.h>

#include <string_view>

#include "runtime/text/wide_text.h"

namespace vortalis::pathwell {
namespace {

constexpr std::wstring_view kExtendedPrefix = L"\\\\?\\";
constexpr std::wstring_view kExtendedNetworkPrefix = L"\\\\?\\UNC\\";

// The extended form's prefix taken off again: the shell's calls do not take it.
std::wstring PlainForm(const std::wstring& path) {
    if (path.starts_with(kExtendedNetworkPrefix)) {
        return L"\\\\" + path.substr(kExtendedNetworkPrefix.size());
    }
    if (path.starts_with(kExtendedPrefix)) return path.substr(kExtendedPrefix.size());
    return path;
}

// Empty when the system has no short form (a volume without 8.3 names, a
// missing file).
std::wstring ShortForm(const std::wstring& path) {
    // A long path's form behind the prefix that lifts the length limit.
    const std::wstring extended = WidePath(std::filesystem::path(path));
    const DWORD needed = GetShortPathNameW(extended.c_str(), nullptr, 0);
    if (needed == 0) return {};
    std::wstring shortForm(needed, L'\0');
    const DWORD length = GetShortPathNameW(extended.c_str(), shortForm.data(), needed);
    if (length == 0 || length >= needed) return {};
    shortForm.resize(length);
    return PlainForm(shortForm);
}

}  // namespace

std::wstring ShellCallPath(const std::string& path) {
    const std::wstring wide = Widen(path);
    if (wide.size() < MAX_PATH) return wide;
    const std::wstring shortForm = ShortForm(wide);
    if (shortForm.empty() || shortForm.size() >= MAX_PATH) return wide;
    return shortForm;
}

}  // namespace vortalis::pathwell
