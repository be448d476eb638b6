#include "pathwell/platform/windows/windows_path_dialogs.h"

// clang-format off
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>
// clang-format on

#include "pathwell/platform/windows/shell_call_path.h"
#include "pathwell/platform/windows/shell_item_path.h"
#include "pathwell/platform/windows/wide_dialog_text.h"
#include "runtime/errors/error_report.h"
#include "runtime/process/program_location.h"
#include "runtime/text/wide_text.h"
#include "runtime/win32/dialog_owner.h"

namespace vortalis::pathwell {
namespace {

// Room for many files chosen at once: a name list longer than the dialog's
// default of 260 characters would make it fail instead of answering.
constexpr DWORD kSelectionBufferSize = 65536;

}  // namespace

// Both dialogs lean on the shell's COM objects (the browser's tree, the
// chooser's file list), which want a single-threaded apartment.
WindowsPathDialogs::WindowsPathDialogs()
    : comStarted_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

WindowsPathDialogs::~WindowsPathDialogs() {
    if (comStarted_) CoUninitialize();
}

std::optional<std::string> WindowsPathDialogs::BrowseForItem(const BrowseSettings& settings) {
    const std::wstring title = Widen(settings.title);
    BROWSEINFOW browse{};
    browse.hwndOwner = win32::DialogOwner(reinterpret_cast<HWND>(settings.owner));
    browse.pidlRoot = nullptr;
    browse.pszDisplayName = nullptr;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = settings.flags;
    browse.lpfn = nullptr;
    browse.lParam = 0;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&browse);
    if (item == nullptr) return std::nullopt;
    std::string path = ShellItemPath(item);
    CoTaskMemFree(item);
    return path;
}

std::string WindowsPathDialogs::ShowOpen(const ChooserSettings& settings) {
    const std::wstring filter = WideFilterText(settings.filter);
    const std::wstring title = Widen(settings.title);
    const std::wstring initialFolder = ShellCallPath(settings.initialFolder);
    std::wstring buffer(kSelectionBufferSize, L'\0');
    const std::wstring fileName = Widen(settings.fileName);
    buffer.replace(0, fileName.size(), fileName);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = win32::DialogOwner(reinterpret_cast<HWND>(settings.owner));
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = kSelectionBufferSize;
    dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = settings.flags;
    if (!GetOpenFileNameW(&dialog)) return {};
    return SelectionFromWideDialogBuffer(buffer);
}

void WindowsPathDialogs::ReportError(const RunError& error) {
    vortalis::ReportError(CurrentProgram().stem, error);
}

}  // namespace vortalis::pathwell
