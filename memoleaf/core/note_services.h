#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/errors/run_error.h"
#include "runtime/files/file_system.h"
#include "runtime/files/user_places.h"

namespace vortalis::memoleaf {

// A font as the note keeps it, the font dialog shows it and the text area
// wears it.
struct FontChoice {
    std::string name;  // UTF-8
    double size = 0;   // points; the dialog may offer halves
    bool bold = false;
    bool italic = false;

    bool operator==(const FontChoice&) const = default;
};

// The colour and font choosers; nothing comes back when the user cancels.
class NoteDialogs {
  public:
    virtual ~NoteDialogs() = default;
    // Titled `title` (UTF-8), starts on `initial` (0x00BBGGRR or a system
    // colour reference) with the custom colours in view; answers 0x00BBGGRR.
    virtual std::optional<std::int32_t> ChooseColour(const std::string& title,
                                                     std::int32_t initial) = 0;
    // Screen fonts, without the effects (underline, strike-through, colour).
    virtual std::optional<FontChoice> ChooseFont(const FontChoice& initial) = 0;
};

class NoteClipboard {
  public:
    virtual ~NoteClipboard() = default;
    // The clipboard's plain text in UTF-8; empty when it holds none.
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

// Messages to the user and the end of the program.
class NoteSession {
  public:
    virtual ~NoteSession() = default;
    virtual void ReportError(const RunError& error) = 0;
    virtual void ShowMessage(const std::string& text) = 0;  // UTF-8
    // Ends the program with `exitCode` (0 for a user's end, 1 after an error):
    // the window goes and its event loop returns the code.
    virtual void End(int exitCode) = 0;
};

// The system's list of screen fonts.
class ScreenFonts {
  public:
    virtual ~ScreenFonts() = default;
    // The first family, named as the settings file keeps it.
    virtual std::string FirstScreenFont() const = 0;
};

struct NoteServices {
    NoteDialogs& dialogs;
    NoteClipboard& clipboard;
    NoteSession& session;
    ScreenFonts& fonts;
    // Where the settings file goes.
    const UserPlaces& places;
    // What the settings file and the put-back of interrupted rewrites go through.
    FileSystem& files;
};

}  // namespace vortalis::memoleaf
