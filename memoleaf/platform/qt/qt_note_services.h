#pragma once

#include "memoleaf/core/note_services.h"

namespace vortalis::memoleaf {

// The platform's own dialogs, clipboard, message boxes and end of the program.

class QtNoteDialogs : public NoteDialogs {
  public:
    std::optional<std::int32_t> ChooseColour(QWidget* parent, const QString& title,
                                             std::int32_t initial) override;
    std::optional<FontChoice> ChooseFont(QWidget* parent, const FontChoice& initial) override;
};

class QtNoteClipboard : public NoteClipboard {
  public:
    QString Text() const override;
    void SetText(const QString& text) override;
};

class QtNoteSession : public NoteSession {
  public:
    void ReportError(const RunError& error) override;
    void ShowMessage(const QString& text) override;
    void End() override;
};

}  // namespace vortalis::memoleaf
