#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <richedit.h>

#include <string>

#include "runtime/win32/control.h"

namespace vortalis::win32 {

// The system's rich-text box (RichEdit 4.1 and later). Texts are UTF-8 with LF
// line ends, as the programs keep them; the box itself ends its lines with CR.
class RichEdit : public Control {
  public:
    // The look of all the box's characters.
    struct Font {
        std::string face;  // UTF-8
        double points = 0;
        bool bold = false;
        bool italic = false;
    };

    // Loads the box's module once; false when the system has none.
    static bool LoadModule();

    // A multi-line box that scrolls, and takes any length of text.
    void Create(Window& parent);

    // The text as typed: never read as RTF, even when it starts like RTF.
    void SetPlainText(const std::string& text);
    // The selection as plain text; empty when nothing is selected.
    std::string SelectedText() const;

    // The font and the text colour are given to all the text and to what is
    // typed next.
    void SetTextFont(const Font& font);
    Font TextFont() const;
    void SetTextColour(COLORREF colour);
    COLORREF TextColour() const { return textColour_; }
    void SetBackground(COLORREF colour);
    COLORREF Background() const { return background_; }

  private:
    void ApplyCharacters(const CHARFORMAT2W& format) const;

    Font font_;
    COLORREF textColour_ = 0;
    COLORREF background_ = 0;
};

}  // namespace vortalis::win32
