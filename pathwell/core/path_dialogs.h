#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/errors/run_error.h"

namespace vortalis::pathwell {

using WindowHandle = std::uintptr_t;

// The shell's browse flags Pathwell sets: files beside folders, and an edit
// box for a typed name.
inline constexpr unsigned kBrowseIncludeFiles = 0x4000;
inline constexpr unsigned kBrowseEditBox = 0x0010;

// The open-file dialog's flags Pathwell sets.
inline constexpr unsigned kOpenHideReadOnly = 0x4;
inline constexpr unsigned kOpenAllowMultiSelect = 0x200;
inline constexpr unsigned kOpenCreatePrompt = 0x2000;
inline constexpr unsigned kOpenExplorer = 0x80000;
inline constexpr unsigned kOpenLongNames = 0x200000;

struct BrowseSettings {
    WindowHandle owner = 0;
    std::string title;  // shown above the tree; UTF-8
    unsigned flags = 0;
};

struct ChooserSettings {
    WindowHandle owner = 0;
    std::string fileName;
    std::string initialFolder;  // empty: wherever the platform starts
    std::string filter;         // "description|pattern|description|pattern"
    std::string title;          // UTF-8
    unsigned flags = 0;
};

// Pathwell's two modal dialogs.
class PathDialogs {
  public:
    virtual ~PathDialogs() = default;

    // The browser over folders and files: nothing when the user cancels or
    // closes it, else the picked item's file-system path, empty when it has none.
    virtual std::optional<std::string> BrowseForItem(const BrowseSettings& settings) = 0;
    // The open-file dialog: the selection string (one full path, or the folder
    // and the names separated by NUL characters), empty when the user cancels.
    virtual std::string ShowOpen(const ChooserSettings& settings) = 0;
    // The error box of an error nothing trapped: its number and its text.
    virtual void ReportError(const RunError& error) = 0;
};

}  // namespace vortalis::pathwell
