#pragma once

#include <windows.h>

#include <array>

#include "memoleaf/core/note_services.h"

namespace vortalis::memoleaf {

// The system's own dialogs, clipboard, message boxes, fonts and end of the
// program, for the note's window `note`.

class WindowsNoteDialogs : public NoteDialogs {
  public:
    explicit WindowsNoteDialogs(HWND note) : note_(note) {
        customColours_.fill(RGB(255, 255, 255));
    }

    std::optional<std::int32_t> ChooseColour(const std::string& title,
                                             std::int32_t initial) override;
    std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;

  private:
    HWND note_;
    // The sixteen the user made, kept from one use of the chooser to the next.
    std::array<COLORREF, 16> customColours_{};
};

class WindowsNoteClipboard : public NoteClipboard {
  public:
    // The clipboard is written in the name of `note`, as the system requires.
    explicit WindowsNoteClipboard(HWND note) : note_(note) {}

    std::string Text() const override;
    void SetText(const std::string& text) override;

  private:
    HWND note_;
};

class WindowsNoteSession : public NoteSession {
  public:
    explicit WindowsNoteSession(HWND note) : note_(note) {}

    void ReportError(const RunError& error) override;
    void ShowMessage(const std::string& text) override;
    // Closes the note and ends the event loop with `exitCode`.
    void End(int exitCode) override;

  private:
    HWND note_;
};

class WindowsScreenFonts : public ScreenFonts {
  public:
    std::string FirstScreenFont() const override;
};

}  // namespace vortalis::memoleaf
