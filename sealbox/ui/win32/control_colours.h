#pragma once

#include <windows.h>

#include <cstdint>

namespace vortalis::sealbox::win32_ui {

// A control's background and text, kept as the stored colour values (a system
// colour follows the system's changes) with the brush its background paints with.
class ControlColours {
  public:
    ControlColours(std::int32_t back, std::int32_t fore) { Set(back, fore); }
    ~ControlColours();
    ControlColours(const ControlColours&) = delete;
    ControlColours& operator=(const ControlColours&) = delete;

    void Set(std::int32_t back, std::int32_t fore);
    void SetBack(std::int32_t back) { Set(back, fore_); }
    // Takes the system's colours again, after they changed.
    void Refresh() { Set(back_, fore_); }

    COLORREF Back() const { return backPainted_; }
    COLORREF Fore() const { return forePainted_; }
    HBRUSH Brush() const { return brush_; }
    // Prepares a control's drawing (WM_CTLCOLOR...): its text, then the brush.
    HBRUSH Prepare(HDC dc) const;

  private:
    std::int32_t back_ = 0;
    std::int32_t fore_ = 0;
    COLORREF backPainted_ = 0;
    COLORREF forePainted_ = 0;
    HBRUSH brush_ = nullptr;
};

// Draws an owner-drawn push button (WM_DRAWITEM) on its background colour,
// raised or pressed, with its caption's "&" letter underlined.
void DrawButton(const DRAWITEMSTRUCT& item, const ControlColours& colours, HFONT font, int dpi);

}  // namespace vortalis::sealbox::win32_ui
