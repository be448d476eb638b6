#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "runtime/errors/run_error.h"

class QWidget;

namespace vortalis::memoleaf {

// What the font dialog is given and hands back.
struct FontChoice {
    QString name;
    double size = 0;  // points; the dialog may offer halves
    bool bold = false;
    bool italic = false;

    bool operator==(const FontChoice&) const = default;
};

// The colour and font choosers; nothing comes back when the user cancels.
class NoteDialogs {
  public:
    virtual ~NoteDialogs() = default;
    // Titled `title`, starts on `initial` (0x00BBGGRR or a system colour
    // reference) with the custom colours in view; answers 0x00BBGGRR.
    virtual std::optional<std::int32_t> ChooseColour(QWidget* parent, const QString& title,
                                                     std::int32_t initial) = 0;
    // Screen fonts, without the effects (underline, strike-through, colour).
    virtual std::optional<FontChoice> ChooseFont(QWidget* parent, const FontChoice& initial) = 0;
};

class NoteClipboard {
  public:
    virtual ~NoteClipboard() = default;
    // The clipboard's plain text; empty when it holds none.
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;
};

// Messages to the user and the end of the program.
class NoteSession {
  public:
    virtual ~NoteSession() = default;
    virtual void ReportError(const RunError& error) = 0;
    virtual void ShowMessage(const QString& text) = 0;
    // Ends the program at once: no further event of the window runs.
    virtual void End() = 0;
};

struct NoteServices {
    NoteDialogs& dialogs;
    NoteClipboard& clipboard;
    NoteSession& session;
};

}  // namespace vortalis::memoleaf
