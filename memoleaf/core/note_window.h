#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "memoleaf/core/note_layout.h"
#include "memoleaf/core/note_services.h"
#include "memoleaf/core/screen_placement.h"

namespace vortalis::memoleaf {

// The note's window as its form logic reads and writes it. Lengths are twips,
// texts UTF-8, colours 0x00BBGGRR or system colour references.
class NoteWindow {
  public:
    virtual ~NoteWindow() = default;

    virtual void SetCaption(const std::string& caption) = 0;

    // The outer place and size: frame, caption and menu bar included.
    virtual DesktopRect OuterGeometry() const = 0;
    virtual void SetOuterGeometry(const DesktopRect& geometry) = 0;
    // The part of each screen a window may take (panels left out), and the
    // primary screen's.
    virtual std::vector<DesktopRect> AvailableScreenAreas() const = 0;
    virtual DesktopRect PrimaryScreenArea() const = 0;

    // `AMSREdit1`, the note's rich-text box, which lies at the top left corner
    // of the window's client area.
    virtual TextAreaSize TextBoxSize() const = 0;
    virtual void SetTextBoxSize(TextAreaSize size) = 0;
    virtual void SetText(const std::string& text) = 0;
    // The selection as plain text; empty when nothing is selected.
    virtual std::string SelectedText() const = 0;
    virtual FontChoice TextFont() const = 0;
    virtual void SetTextFont(const FontChoice& font) = 0;
    // Background and text, as painted; indexed as NoteSettings::noteColours.
    virtual std::array<std::int32_t, 2> TextColours() const = 0;
    virtual void SetTextColours(std::int32_t background, std::int32_t text) = 0;
};

}  // namespace vortalis::memoleaf
