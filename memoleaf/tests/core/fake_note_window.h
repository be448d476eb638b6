#pragma once

#include <string>
#include <vector>

#include "memoleaf/core/note_window.h"

namespace vortalis::memoleaf::testing {

// A window that keeps what the form gives it and answers it back, on one
// screen of 1280 by 1024 pixels at 15 twips a pixel, less a panel at the top.
class FakeNoteWindow : public NoteWindow {
  public:
    std::string caption;
    DesktopRect outer{100, 200, 300, 400};  // before the form places it
    std::vector<DesktopRect> screens{{0, 600, 19200, 14760}};
    DesktopRect primary = screens[0];
    TextAreaSize textBox{1234, 567};
    std::string text;
    std::string selection;
    FontChoice font{"Sans", 10, false, false};
    // As the window is designed: two colours the tests see nowhere else.
    std::array<std::int32_t, 2> colours{0x00C0FFEE, 0x00000123};

    void SetCaption(const std::string& newCaption) override { caption = newCaption; }
    DesktopRect OuterGeometry() const override { return outer; }
    void SetOuterGeometry(const DesktopRect& geometry) override { outer = geometry; }
    std::vector<DesktopRect> AvailableScreenAreas() const override { return screens; }
    DesktopRect PrimaryScreenArea() const override { return primary; }
    TextAreaSize TextBoxSize() const override { return textBox; }
    void SetTextBoxSize(TextAreaSize size) override { textBox = size; }
    void SetText(const std::string& newText) override { text = newText; }
    std::string SelectedText() const override { return selection; }
    FontChoice TextFont() const override { return font; }
    void SetTextFont(const FontChoice& newFont) override { font = newFont; }
    std::array<std::int32_t, 2> TextColours() const override { return colours; }
    void SetTextColours(std::int32_t background, std::int32_t textColour) override {
        colours = {background, textColour};
    }
};

}  // namespace vortalis::memoleaf::testing
