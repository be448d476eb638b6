#include "pathwell/core/pathwell_frm.h"

#include <filesystem>

#include "pathwell/core/browser_legend.h"
#include "pathwell/core/open_path.h"
#include "pathwell/core/platform_paths.h"
#include "pathwell/core/selection_string.h"
#include "runtime/text/utf8_path.h"

namespace vortalis::pathwell {

Pathwell_frm::Pathwell_frm(FormWindow& window, PathDialogs& dialogs, ShellPlatform& shell)
    : window_(window),
      dialogs_(dialogs),
      shell_(shell),
      events_({[this](const RunError& error) { dialogs_.ReportError(error); },
               [this](int exitStatus) { exitStatus_ = exitStatus; }}) {}

void Pathwell_frm::Form_load(const std::string& argumentText) {
    events_.Run([&] {
        KeepWindowHandle();
        SetCreditCaption();
        RunLoopFor(argumentText);
    });
}

void Pathwell_frm::KeepWindowHandle() { hWnd_ = window_.Handle(); }

void Pathwell_frm::SetCreditCaption() { window_.SetCaption(kCreditLine); }

void Pathwell_frm::RunLoopFor(const std::string& argumentText) {
    if (argumentText.empty()) {
        BrowseFolders();
    } else {
        ChooseFiles(argumentText);
    }
}

void Pathwell_frm::BrowseFolders() {
    for (;;) {
        const std::optional<std::string> pick = dialogs_.BrowseForItem(BrowserSettings());
        if (!pick) return;
        if (!pick->empty()) OpenPath(*pick, shell_);
    }
}

void Pathwell_frm::ChooseFiles(const std::string& initialFolder) {
    std::string folder = initialFolder;
    for (;;) {
        const std::string selection = dialogs_.ShowOpen(ChooserSettingsFor(folder));
        if (selection.empty()) return;
        OpenSelection(selection);
        folder.clear();
    }
}

BrowseSettings Pathwell_frm::BrowserSettings() const {
    return BrowseSettings{hWnd_, BrowserLegend(window_.Caption()),
                          kBrowseIncludeFiles | kBrowseEditBox};
}

ChooserSettings Pathwell_frm::ChooserSettingsFor(const std::string& initialFolder) const {
    // A file named instead of a folder: the chooser opens in the file's own
    // folder, the file chosen. A missing folder is left to the platform, which
    // opens where it would without one.
    std::string folder = initialFolder;
    std::string fileName;
    std::error_code error;
    const std::filesystem::path named = Utf8Path(initialFolder);
    const std::filesystem::file_status status = std::filesystem::status(named, error);
    if (!error && std::filesystem::exists(status) && !std::filesystem::is_directory(status)) {
        folder = Utf8Text(named.parent_path());
        fileName = Utf8Text(named.filename());
    }
    return ChooserSettings{hWnd_,
                           fileName,
                           folder,
                           "Tous|*|*|*",
                           "Choix Fichiers,Répertoire " + window_.Caption(),
                           kOpenHideReadOnly | kOpenAllowMultiSelect | kOpenCreatePrompt |
                               kOpenExplorer | kOpenLongNames};
}

void Pathwell_frm::OpenSelection(const std::string& selection) {
    for (const std::string& path : SelectedPaths(selection, kPathSeparator)) {
        OpenPath(path, shell_);
    }
}

}  // namespace vortalis::pathwell
