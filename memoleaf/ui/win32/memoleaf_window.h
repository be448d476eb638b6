#pragma once

#include <windows.h>

#include "memoleaf/core/memoleaf_frm.h"
#include "memoleaf/core/note_window.h"
#include "memoleaf/ui/win32/desktop_twips.h"
#include "runtime/win32/label.h"
#include "runtime/win32/menu_bar.h"
#include "runtime/win32/rich_edit.h"
#include "runtime/win32/window.h"

namespace vortalis::memoleaf::win32_ui {

// The note's window: the rich-text box and the menu, placed and named as the
// form knows them. Its events run the form's handlers, its closing included.
class MemoleafWindow : public win32::Window, public NoteWindow {
  public:
    // The window, made but not shown; Created() says whether the system made it.
    MemoleafWindow();

    bool Created() const { return Handle() != nullptr && AMSREdit1.Handle() != nullptr; }
    // The form whose handlers the menu, the resizes and the closing run; none
    // run before.
    void ForwardEventsTo(Memoleaf_frm& form) { form_ = &form; }
    // The first showing, which counts as a resize.
    void Show(int showCommand);
    // The menu's shortcuts, for the event loop.
    HACCEL Accelerators() { return menu_.Accelerators(); }

    void SetCaption(const std::string& caption) override;
    DesktopRect OuterGeometry() const override;
    void SetOuterGeometry(const DesktopRect& geometry) override;
    std::vector<DesktopRect> AvailableScreenAreas() const override;
    DesktopRect PrimaryScreenArea() const override;
    TextAreaSize TextBoxSize() const override;
    void SetTextBoxSize(TextAreaSize size) override;
    void SetText(const std::string& text) override;
    std::string SelectedText() const override;
    FontChoice TextFont() const override;
    void SetTextFont(const FontChoice& font) override;
    std::array<std::int32_t, 2> TextColours() const override;
    void SetTextColours(std::int32_t background, std::int32_t text) override;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void BuildMenu();
    void OnSize();
    void OnDpiChanged(const RECT& suggested);
    bool OnClose();
    void OnDestroy();
    // The screen whose density the window's twips are read and written with.
    Monitor HoldingMonitor() const;

    Memoleaf_frm* form_ = nullptr;
    bool placing_ = false;  // within SetOuterGeometry's move
    // The menu "Ordres" and its shortcuts, as the form's menu table has them.
    win32::MenuBar menu_;
    win32::Label textBoxLabel_;  // the text box's name, for screen readers
    // The note's rich-text box.
    win32::RichEdit AMSREdit1;
};

}  // namespace vortalis::memoleaf::win32_ui
