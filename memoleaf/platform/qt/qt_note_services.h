#pragma once

#include "memoleaf/core/note_services.h"

class QWidget;

namespace vortalis::memoleaf {

// The platform's own dialogs, clipboard, message boxes, fonts and end of the
// program.

class QtNoteDialogs : public NoteDialogs {
  public:
    // The dialogs stay above `owner`, the note's window; tests give none.
    explicit QtNoteDialogs(QWidget* owner = nullptr) : owner_(owner) {}

    std::optional<std::int32_t> ChooseColour(const std::string& title,
                                             std::int32_t initial) override;
    std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;

  private:
    QWidget* owner_;
};

class QtNoteClipboard : public NoteClipboard {
  public:
    std::string Text() const override;
    void SetText(const std::string& text) override;
};

class QtNoteSession : public NoteSession {
  public:
    void ReportError(const RunError& error) override;
    void ShowMessage(const std::string& text) override;
    void End(int exitCode) override;
};

class QtScreenFonts : public ScreenFonts {
  public:
    std::string FirstScreenFont() const override;
};

}  // namespace vortalis::memoleaf
