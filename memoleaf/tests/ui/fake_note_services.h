#pragma once

#include <QStringList>
#include <vector>

#include "memoleaf/core/note_services.h"

namespace vortalis::memoleaf::testing {

// Dialogs that answer what the test says, or are cancelled.
class FakeNoteDialogs : public NoteDialogs {
  public:
    std::optional<std::int32_t> colourAnswer;
    std::optional<FontChoice> fontAnswer;
    std::vector<std::int32_t> coloursOffered;
    QStringList colourTitles;
    std::vector<FontChoice> fontsOffered;

    std::optional<std::int32_t> ChooseColour(QWidget*, const QString& title,
                                             std::int32_t initial) override {
        coloursOffered.push_back(initial);
        colourTitles.push_back(title);
        return colourAnswer;
    }
    std::optional<FontChoice> ChooseFont(QWidget*, const FontChoice& initial) override {
        fontsOffered.push_back(initial);
        return fontAnswer;
    }
};

class FakeNoteClipboard : public NoteClipboard {
  public:
    QString text;

    QString Text() const override { return text; }
    void SetText(const QString& newText) override { text = newText; }
};

class FakeNoteSession : public NoteSession {
  public:
    std::vector<RunError> errors;
    QStringList messages;
    int ends = 0;

    void ReportError(const RunError& error) override { errors.push_back(error); }
    void ShowMessage(const QString& text) override { messages.push_back(text); }
    void End() override { ++ends; }
};

}  // namespace vortalis::memoleaf::testing
