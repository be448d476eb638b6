#include "memoleaf/ui/win32/memoleaf_window.h"

#include "memoleaf/core/note_caption.h"
#include "memoleaf/core/note_design.h"
#include "memoleaf/core/note_menu.h"
#include "memoleaf/ui/win32/desktop_screens.h"
#include "memoleaf/ui/win32/desktop_twips.h"
#include "runtime/win32/dpi.h"
#include "runtime/win32/screen_reader_name.h"
#include "runtime/win32/system_colour.h"

namespace vortalis::memoleaf::win32_ui {
namespace {

win32::RichEdit::Font BoxFont(const FontChoice& font) {
    return {font.name, font.size, font.bold, font.italic};
}

FontChoice NoteFont(const win32::RichEdit::Font& font) {
    return {font.face, font.points, font.bold, font.italic};
}

}  // namespace

MemoleafWindow::MemoleafWindow() {
    if (!win32::RichEdit::LoadModule()) return;
    if (!Create(L"Memoleaf_frm", win32::kProgramIcon, WS_OVERLAPPEDWINDOW)) return;
    BuildMenu();
    // Placed by hand (SetTextBoxSize), not by a layout: the strips beside it
    // show the window's own background.
    // A screen reader names a text box by the label before it: this one, of no
    // size, shows nothing; the annotation says it where the system keeps them.
    textBoxLabel_.Create(*this, kTextBoxName);
    AMSREdit1.Create(*this);
    win32::NameForScreenReaders(AMSREdit1.Handle(), kTextBoxName);
    SetTextColours(kDesignBackground, kDesignText);
}

void MemoleafWindow::BuildMenu() {
    const auto addMenu = [](auto* parent, const NoteMenuEntry& entry) {
        return &parent->AddMenu(entry.caption);
    };
    const auto addCommand = [this](win32::MenuBar::Menu* menu, const NoteMenuEntry& entry) {
        menu->AddEntry(entry.caption, entry.ctrlKey, [this, run = entry.run] {
            if (form_ != nullptr) run(*form_);
        });
    };
    for (const NoteMenuEntry& menu : NoteMenuBar()) {
        AddNoteMenuEntries(addMenu(&menu_, menu), menu, addMenu, addCommand);
    }
    UseMenuBar(menu_);
}

void MemoleafWindow::Show(int showCommand) {
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
    if (form_ != nullptr) form_->Form_Resize();
}

LRESULT MemoleafWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            OnSize();
            return 0;
        case WM_SETFOCUS:
            AMSREdit1.Focus();
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            if (OnClose()) return 0;
            break;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            break;
    }
    return Window::OnMessage(message, wParam, lParam);
}

void MemoleafWindow::OnSize() {
    if (form_ != nullptr && AMSREdit1.Handle() != nullptr) form_->Form_Resize();
}

void MemoleafWindow::OnDpiChanged(const RECT& suggested) {
    // Placed by the note, the window already has that screen's pixels; the
    // system's size would scale them a second time.
    if (placing_) return;
    // Moved to a screen of another density: the system's size for it, and the
    // resize lays the text box out again in that screen's pixels.
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool MemoleafWindow::OnClose() {
    // The form ends the note, which takes the window with it.
    if (form_ == nullptr) return false;
    form_->Form_Unload();
    return true;
}

void MemoleafWindow::OnDestroy() {
    // Nothing of a window that is going reaches the form.
    form_ = nullptr;
}

Monitor MemoleafWindow::HoldingMonitor() const {
    RECT outer{};
    GetWindowRect(Handle(), &outer);
    return MonitorHolding(outer, CurrentScreens().monitors);
}

void MemoleafWindow::SetCaption(const std::string& caption) { Window::SetCaption(caption); }

DesktopRect MemoleafWindow::OuterGeometry() const {
    RECT outer{};
    GetWindowRect(Handle(), &outer);
    return TwipsOfPixels(outer, HoldingMonitor());
}

void MemoleafWindow::SetOuterGeometry(const DesktopRect& geometry) {
    const RECT outer = PixelsOfTwips(geometry, MonitorHolding(geometry, CurrentScreens().monitors));
    placing_ = true;
    SetWindowPos(Handle(), nullptr, outer.left, outer.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    placing_ = false;
}

std::vector<DesktopRect> MemoleafWindow::AvailableScreenAreas() const {
    const DesktopScreens screens = CurrentScreens();
    std::vector<DesktopRect> areas;
    for (std::size_t i = 0; i < screens.workAreas.size(); ++i)
        areas.push_back(TwipsOfPixels(screens.workAreas[i], screens.monitors[i]));
    return areas;
}

DesktopRect MemoleafWindow::PrimaryScreenArea() const {
    const DesktopScreens screens = CurrentScreens();
    if (screens.workAreas.empty()) return {};
    return TwipsOfPixels(screens.workAreas[screens.primary], screens.monitors[screens.primary]);
}

// The text box's twips are those of the screen the outer geometry is read on.
TextAreaSize MemoleafWindow::TextBoxSize() const {
    RECT box{};
    GetWindowRect(AMSREdit1.Handle(), &box);
    const int dpi = HoldingMonitor().dpi;
    return {static_cast<float>(win32::PixelsToTwips(box.bottom - box.top, dpi)),
            static_cast<float>(win32::PixelsToTwips(box.right - box.left, dpi))};
}

void MemoleafWindow::SetTextBoxSize(TextAreaSize size) {
    const int dpi = HoldingMonitor().dpi;
    AMSREdit1.Place(
        {0, 0, win32::TwipsToPixels(size.width, dpi), win32::TwipsToPixels(size.height, dpi)});
}

void MemoleafWindow::SetText(const std::string& text) { AMSREdit1.SetPlainText(text); }

std::string MemoleafWindow::SelectedText() const { return AMSREdit1.SelectedText(); }

FontChoice MemoleafWindow::TextFont() const { return NoteFont(AMSREdit1.TextFont()); }

void MemoleafWindow::SetTextFont(const FontChoice& font) { AMSREdit1.SetTextFont(BoxFont(font)); }

std::array<std::int32_t, 2> MemoleafWindow::TextColours() const {
    return {static_cast<std::int32_t>(AMSREdit1.Background()),
            static_cast<std::int32_t>(AMSREdit1.TextColour())};
}

void MemoleafWindow::SetTextColours(std::int32_t background, std::int32_t text) {
    // A system colour reference stays as it is in the settings; only the paint
    // is the system's colour of the moment.
    AMSREdit1.SetBackground(win32::PaintColour(background));
    AMSREdit1.SetTextColour(win32::PaintColour(text));
}

}  // namespace vortalis::memoleaf::win32_ui
