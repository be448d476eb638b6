#pragma once

#include "pathwell/core/path_dialogs.h"

namespace vortalis::pathwell {

// Pathwell's dialogs as Qt windows of their own. They are top-level windows:
// the form that owns them on Windows is never shown, so there is nothing here
// to place them over.
class QtPathDialogs : public PathDialogs {
  public:
    std::optional<std::string> BrowseForItem(const BrowseSettings& settings) override;
    std::string ShowOpen(const ChooserSettings& settings) override;
    void ReportError(const RunError& error) override;
};

}  // namespace vortalis::pathwell
