#pragma once

#include "pathwell/core/path_dialogs.h"

namespace vortalis::pathwell {

// The shell's own browse dialog and the common open-file dialog.
class WindowsPathDialogs : public PathDialogs {
  public:
    std::optional<std::string> BrowseForItem(const BrowseSettings& settings) override;
    std::string ShowOpen(const ChooserSettings& settings) override;
};

}  // namespace vortalis::pathwell
