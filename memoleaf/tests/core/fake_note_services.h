#pragma once

#include <string>
#include <vector>

#include "memoleaf/core/note_services.h"

namespace vortalis::memoleaf::testing {

// Dialogs that answer what the test says, or are cancelled, and keep what they
// were shown.
class FakeNoteDialogs : public NoteDialogs {
  public:
    std::optional<std::int32_t> colourAnswer;
    std::optional<FontChoice> fontAnswer;
    std::vector<std::int32_t> coloursOffered;
    std::vector<std::string> colourTitles;
    std::vector<FontChoice> fontsOffered;

    std::optional<std::int32_t> ChooseColour(const std::string& title,
                                             std::int32_t initial) override {
        coloursOffered.push_back(initial);
        colourTitles.push_back(title);
        return colourAnswer;
    }
    std::optional<FontChoice> ChooseFont(const FontChoice& initial) override {
        fontsOffered.push_back(initial);
        return fontAnswer;
    }
};

class FakeNoteClipboard : public NoteClipboard {
  public:
    std::string text;
    // Raised by every read and write, when the test sets it.
    std::optional<RunError> failure;

    std::string Text() const override {
        if (failure) throw *failure;
        return text;
    }
    void SetText(const std::string& newText) override {
        if (failure) throw *failure;
        text = newText;
    }
};

class FakeNoteSession : public NoteSession {
  public:
    std::vector<RunError> errors;
    std::vector<std::string> messages;
    int ends = 0;
    int exitCode = -1;

    void ReportError(const RunError& error) override { errors.push_back(error); }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void End(int code) override {
        ++ends;
        exitCode = code;
    }
};

class FakeScreenFonts : public ScreenFonts {
  public:
    std::string first = "DejaVu Sans";
    mutable int asked = 0;

    std::string FirstScreenFont() const override {
        ++asked;
        return first;
    }
};

}  // namespace vortalis::memoleaf::testing
