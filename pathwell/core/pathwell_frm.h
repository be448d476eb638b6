#pragma once

#include <string>

#include "pathwell/core/form_window.h"
#include "pathwell/core/path_dialogs.h"
#include "pathwell/core/shell_platform.h"
#include "runtime/errors/event_policy.h"

namespace vortalis::pathwell {

// The credit line the form's caption carries.
inline constexpr const char* kCreditLine = "VORTALIS Juin 2003 pathwell@vortalis.example";

// `Pathwell_frm` — Pathwell's one form. It is never shown: its load runs one of the two dialog
// loops, each opening every pick until the user cancels. The loops return on
// Cancel, and the caller then ends the program without another step.
class Pathwell_frm {
  public:
    Pathwell_frm(FormWindow& window, PathDialogs& dialogs, ShellPlatform& shell);

    // `Form_load` — start-up: the browser without an argument, else the chooser
    // in the folder it names; the program ends when it returns. `argumentText`:
    // the command line after the program name, as one text.
    void Form_load(const std::string& argumentText);
    // 0 once the user cancelled, 1 after the error box.
    int ExitStatus() const { return exitStatus_; }
    // `BrowseFolders` — the folder browser's loop, until Cancel.
    void BrowseFolders();
    // `ChooseFiles` — the multi-select file chooser's loop in `initialFolder`.
    void ChooseFiles(const std::string& initialFolder);

    WindowHandle hWnd() const { return hWnd_; }

  private:
    void KeepWindowHandle();
    void SetCreditCaption();
    void RunLoopFor(const std::string& argumentText);

    BrowseSettings BrowserSettings() const;
    ChooserSettings ChooserSettingsFor(const std::string& initialFolder) const;
    void OpenSelection(const std::string& selection);

    FormWindow& window_;
    PathDialogs& dialogs_;
    ShellPlatform& shell_;
    WindowHandle hWnd_ = 0;
    int exitStatus_ = 0;
    EventPolicy events_;
};

}  // namespace vortalis::pathwell
