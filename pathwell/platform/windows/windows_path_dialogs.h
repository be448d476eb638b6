#pragma once

#include "pathwell/core/path_dialogs.h"

namespace vortalis::pathwell {

// The shell's own browse dialog and the common open-file dialog, in their wide
// forms, so that any file name can be shown and picked.
class WindowsPathDialogs : public PathDialogs {
  public:
    WindowsPathDialogs();
    ~WindowsPathDialogs() override;
    WindowsPathDialogs(const WindowsPathDialogs&) = delete;
    WindowsPathDialogs& operator=(const WindowsPathDialogs&) = delete;

    std::optional<std::string> BrowseForItem(const BrowseSettings& settings) override;
    std::string ShowOpen(const ChooserSettings& settings) override;
    void ReportError(const RunError& error) override;

  private:
    bool comStarted_;
};

}  // namespace vortalis::pathwell
