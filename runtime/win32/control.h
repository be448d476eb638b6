#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "runtime/win32/control_colours.h"

namespace vortalis::win32 {

class Window;

// A window's text (a caption, a box's content) in UTF-8, read and set.
std::string TextOf(HWND window);
void SetTextOf(HWND window, const std::string& utf8);
// The same text as the system keeps it, for drawing.
std::wstring WideTextOf(HWND window);

// A child control of one of our windows (a button, a box, a list...). It owns
// nothing but its handle, which its parent destroys. The parent hands each
// control back the messages it sends about itself (its notifications, its
// colours, its drawing), so that each kind answers them in one place and
// raises its own events; no program code sees a control id.
class Control {
  public:
    Control() = default;
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND Handle() const { return handle_; }
    void SetText(const std::string& utf8);
    std::string Text() const;
    void Place(const RECT& pixels);
    void SetFont(HFONT font);
    HFONT Font() const;
    void Focus();

    // The background and the text, as stored colour values (a negative one is
    // a system colour, and follows the system's changes). Until set, the
    // system draws the control in its own colours.
    void SetColours(std::int32_t back, std::int32_t fore);
    void SetBackColour(std::int32_t back);
    const ControlColours* Colours() const { return colours_.get(); }

  protected:
    // Creates the control in `parent`, which hands it back its messages.
    // `windowClass` is the system's class name (L"BUTTON", PROGRESS_CLASSW, ...).
    void Create(Window& parent, const wchar_t* windowClass, const std::string& text, DWORD style,
                DWORD extendedStyle = 0);
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Another window of the control's own that asks the parent for colours (a
    // drop-down list's list).
    void AnswerFor(HWND part);
    void Repaint() const;

    // What the parent hands back. Each says whether it answered.
    virtual bool OnCommand(int /*notification*/) { return false; }
    virtual std::optional<LRESULT> OnNotify(const NMHDR& /*notice*/) { return std::nullopt; }
    // WM_CTLCOLOR...: the brush to paint with, or none for the system's.
    virtual HBRUSH OnColour(HDC dc);
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }

  private:
    friend class Window;
    void CreateWithId(HWND parent, const wchar_t* windowClass, const std::string& text, DWORD style,
                      int id, DWORD extendedStyle);

    HWND handle_ = nullptr;
    Window* parent_ = nullptr;
    std::unique_ptr<ControlColours> colours_;
};

}  // namespace vortalis::win32
