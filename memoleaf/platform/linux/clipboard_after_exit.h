#pragma once

#include <filesystem>

namespace vortalis::memoleaf {

// The keeper's file name, beside Memoleaf.
inline constexpr const char* kClipboardKeeperName = "memoleaf-clipboard";

// Makes what the note copied outlive it. On X11 a clipboard lasts only as long
// as the program that owns it. Where a clipboard manager runs, Qt hands it the
// clipboard as the application ends; where none runs, `keeper` (a program of
// ours) is started to serve the text until another program takes the
// clipboard, as command-line clipboard tools do. Called once the note's event
// loop has ended, while the application still exists; returns once the keeper
// holds the clipboard, or at most after a few seconds.
void KeepClipboardAfterExit(const std::filesystem::path& keeper);

}  // namespace vortalis::memoleaf
