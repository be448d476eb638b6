#include "pathwell/platform/windows/windows_path_dialogs.h"

// clang-format off
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>
// clang-format on

#include "pathwell/core/dialog_buffer.h"
#include "pathwell/core/dialog_filter.h"
#include "runtime/text/ansi_text.h"

namespace vortalis::pathwell {
namespace {

// Room for many files chosen at once: a name list longer than the dialog's
// default of 260 characters would make it fail instead of answering.
constexpr DWORD kSelectionBufferSize = 65536;

std::string FilterText(const std::string& filter) {
    std::string text;
    for (const FilterEntry& entry : FilterEntries(filter)) {
        text += Utf8ToAnsi(entry.description) + '\0' + entry.pattern + '\0';
    }
    return text + '\0';
}

}  // namespace

std::optional<std::string> WindowsPathDialogs::BrowseForItem(const BrowseSettings& settings) {
    const std::string title = Utf8ToAnsi(settings.title);
    BROWSEINFOA browse{};
    browse.hwndOwner = reinterpret_cast<HWND>(settings.owner);
    browse.pidlRoot = nullptr;
    browse.pszDisplayName = nullptr;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = settings.flags;
    browse.lpfn = nullptr;
    browse.lParam = 0;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&browse);
    if (item == nullptr) return std::nullopt;
    std::string buffer(512, ' ');
    SHGetPathFromIDListA(item, buffer.data());
    CoTaskMemFree(item);
    return PathFromBlankBuffer(buffer);
}

std::string WindowsPathDialogs::ShowOpen(const ChooserSettings& settings) {
    const std::string filter = FilterText(settings.filter);
    const std::string title = Utf8ToAnsi(settings.title);
    std::string buffer(kSelectionBufferSize, '\0');
    buffer.replace(0, settings.fileName.size(), settings.fileName);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = reinterpret_cast<HWND>(settings.owner);
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = kSelectionBufferSize;
    dialog.lpstrInitialDir =
        settings.initialFolder.empty() ? nullptr : settings.initialFolder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = settings.flags;
    if (!GetOpenFileNameA(&dialog)) return {};
    return SelectionFromDialogBuffer(buffer);
}

}  // namespace vortalis::pathwell
