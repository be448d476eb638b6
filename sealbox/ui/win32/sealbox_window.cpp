#include "sealbox/ui/win32/sealbox_window.h"

#include <commctrl.h>

#include "runtime/text/wide_text.h"
#include "runtime/win32/dpi.h"
#include "runtime/win32/screen_reader_name.h"
#include "sealbox/core/colour_scheme.h"
#include "sealbox/ui/win32/sealbox_layout.h"

namespace vortalis::sealbox::win32_ui {
namespace {

constexpr wchar_t kClassName[] = L"VortalisSealbox";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kDesignFontPoints = 8;
constexpr int kDroppedDrives = 8;
constexpr wchar_t kPasswordMask = L'#';

// Each control's id is its place in the tab order, after the dialog's own ids.
constexpr int kFirstId = 100;
constexpr int IdOf(SealboxPart part) { return kFirstId + static_cast<int>(part); }
constexpr int IdOfButton(int index) { return IdOf(SealboxPart::Command1_0) + index; }

std::unique_ptr<ControlColours> DesignPair(ColourScheme::Index back, ColourScheme::Index fore) {
    const ColourScheme design = DesignColours();
    return std::make_unique<ControlColours>(design[back], design[fore]);
}

// The button text the design leaves to the system.
constexpr std::int32_t kButtonText = static_cast<std::int32_t>(0x80000012U);

}  // namespace

SealboxWindow::SealboxWindow() {
    // Until the form colours them.
    for (auto& pair : colours_)
        pair = DesignPair(ColourScheme::kListBackground, ColourScheme::kListText);
    for (const SealboxControl control :
         {SealboxControl::Form, SealboxControl::Label1, SealboxControl::Label2}) {
        Colours(control).Set(DesignColours()[ColourScheme::kWindowBackground],
                             DesignColours()[ColourScheme::kWindowText]);
    }
    for (auto& pair : buttonColours_) {
        pair = std::make_unique<ControlColours>(DesignColours()[ColourScheme::kButtonBackground],
                                                kButtonText);
    }
}

SealboxWindow::~SealboxWindow() {
    if (font_ != nullptr) DeleteObject(font_);
}

bool SealboxWindow::Open() {
    if (!Create(kClassName, win32::kProgramIcon, kStyle)) return false;
    dpi_ = win32::WindowDpi(Handle());
    UseDesignFont();
    CreateControls();
    PlaceControls();
    return true;
}

void SealboxWindow::Show() {
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
}

void SealboxWindow::CreateControls() {
    // Made in the design's order, Tab going from one to the next, but for the
    // labels: a screen reader here names a box by the label made just before
    // it. Labels take no focus, so the tab order stays.
    const auto make = [this](SealboxPart part) {
        parts_[static_cast<std::size_t>(part)] = CreatePart(part);
    };
    for (const SealboxPart part : kSealboxControlOrder) {
        for (const auto& [label, box] : kSealboxLabels) {
            if (box == part) make(label);
        }
        if (parts_[static_cast<std::size_t>(part)] == nullptr) make(part);
    }
    NameForScreenReaders();
    // The empty box of no size holds the focus at start, so that the first key
    // press does nothing and the first Tab goes to the drives.
    focusBeforeLeaving_ = controls_.Picture1.Handle();
}

win32::Control* SealboxWindow::CreatePart(SealboxPart part) {
    SealboxControls& c = controls_;
    HWND window = Handle();
    const int id = IdOf(part);
    if (IsCommand1(part)) {
        Button& button = c.Command1[Command1Index(part)];
        button.Create(window, kCommand1Captions[Command1Index(part)], id);
        return &button;
    }
    switch (part) {
        case SealboxPart::Picture1:
            c.Picture1.Create(window, id);
            return &c.Picture1;
        case SealboxPart::Drive1:
            c.Drive1.Create(window, id);
            return &c.Drive1;
        case SealboxPart::Dir1:
            c.Dir1.Create(window, id);
            return &c.Dir1;
        case SealboxPart::File1:
            c.File1.Create(window, id);
            return &c.File1;
        case SealboxPart::Text1:
            c.Text1.Create(window, id);
            return &c.Text1;
        case SealboxPart::Text2:
            c.Text2.CreateMasked(window, id, kPasswordMask);
            return &c.Text2;
        case SealboxPart::ProgressBar1:
            c.ProgressBar1.Create(window, id);
            return &c.ProgressBar1;
        case SealboxPart::Label1:
            c.Label1.Create(window, kLabel1Text, id);
            return &c.Label1;
        case SealboxPart::Label2:
            c.Label2.Create(window, kLabel2Text, id);
            return &c.Label2;
        default:
            return nullptr;
    }
}

win32::Control& SealboxWindow::Part(SealboxPart part) {
    return *parts_[static_cast<std::size_t>(part)];
}

void SealboxWindow::NameForScreenReaders() {
    for (const auto& [part, name] : kSealboxScreenReaderNames) {
        win32::Control& control = Part(part);
        win32::NameForScreenReaders(control.Handle(), name);
        // A drop-down list's text is its choice; the others draw none of theirs.
        if (part != SealboxPart::Drive1) control.SetText(name);
    }
}

void SealboxWindow::UseDesignFont() {
    // The places were drawn for a small 8-point font: the system's message face,
    // at that size for the window's dots per inch.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW face = metrics.lfMessageFont;
    face.lfHeight = -MulDiv(kDesignFontPoints, dpi_, 72);
    face.lfWidth = 0;
    HFONT previous = font_;
    font_ = CreateFontIndirectW(&face);

    HDC screen = GetDC(Handle());
    HGDIOBJ old = SelectObject(screen, font_);
    TEXTMETRICW text{};
    GetTextMetricsW(screen, &text);
    SelectObject(screen, old);
    ReleaseDC(Handle(), screen);
    listRowHeight_ = text.tmHeight;
    if (previous != nullptr) DeleteObject(previous);
}

void SealboxWindow::PlaceControls() {
    SealboxControls& c = controls_;
    const SealboxLayout layout = SealboxLayoutAt(dpi_);
    for (const DesignPlace& place : kSealboxDesign) {
        win32::Control& control = Part(place.part);
        control.SetFont(font_);
        control.Place(layout[place.part]);
    }
    c.Dir1.SetItemHeight(listRowHeight_);
    c.Drive1.PlaceWithDrop(layout[SealboxPart::Drive1], kDroppedDrives);
    ResizeClient(layout.client);
}

void SealboxWindow::ResizeClient(SIZE client) {
    // The frame is what the system draws around the client at this window's dots
    // per inch: measured, then the window sized so that the client is exact.
    for (int attempt = 0; attempt < 2; ++attempt) {
        RECT inside;
        RECT outside;
        GetClientRect(Handle(), &inside);
        GetWindowRect(Handle(), &outside);
        const int width = client.cx - (inside.right - inside.left);
        const int height = client.cy - (inside.bottom - inside.top);
        if (width == 0 && height == 0) return;
        SetWindowPos(Handle(), nullptr, 0, 0, outside.right - outside.left + width,
                     outside.bottom - outside.top + height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void SealboxWindow::Repaint() const {
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT SealboxWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                                   message, wParam, lParam);
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_MEASUREITEM:
            OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_ERASEBKGND:
            OnEraseBackground(reinterpret_cast<HDC>(wParam));
            return TRUE;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_SYSCOLORCHANGE:
            OnSystemColoursChanged();
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        default:
            return Window::OnMessage(message, wParam, lParam);
    }
}

void SealboxWindow::OnCommand(int id, int code) {
    if (form_ == nullptr) return;
    SealboxControls& c = controls_;
    // Enter and Escape reach the window as IDOK and IDCANCEL: no button is the
    // default one, and the window takes neither.
    if (id == IdOf(SealboxPart::Drive1) && code == CBN_SELCHANGE) {
        form_->Drive1_Change();
    } else if (id == IdOf(SealboxPart::Dir1) && code == LBN_DBLCLK) {
        const std::string folder = c.Dir1.PathAt(c.Dir1.Selected());
        if (!folder.empty()) form_->OpenFolder(folder);
    } else if (id == IdOf(SealboxPart::File1) && code == LBN_SELCHANGE) {
        form_->File1_Click();
    } else if (id >= IdOfButton(0) && id < IdOfButton(Sealboxfrm::kButtonCount) &&
               code == BN_CLICKED) {
        form_->Command1_Click(id - IdOfButton(0));
    }
}

ControlColours& SealboxWindow::Colours(SealboxControl control) {
    return *colours_[static_cast<std::size_t>(control)];
}

ControlColours* SealboxWindow::ColoursOf(HWND control) {
    const SealboxControls& c = controls_;
    if (control == c.Drive1.Handle() || control == c.Drive1.DroppedList())
        return &Colours(SealboxControl::Drive1);
    if (control == c.Dir1.Handle()) return &Colours(SealboxControl::Dir1);
    if (control == c.File1.Handle()) return &Colours(SealboxControl::File1);
    if (control == c.Text1.Handle()) return &Colours(SealboxControl::Text1);
    if (control == c.Text2.Handle()) return &Colours(SealboxControl::Text2);
    if (control == c.Label1.Handle()) return &Colours(SealboxControl::Label1);
    if (control == c.Label2.Handle()) return &Colours(SealboxControl::Label2);
    for (int index = 0; index < Sealboxfrm::kButtonCount; ++index) {
        if (control == c.Command1[index].Handle()) return buttonColours_[index].get();
    }
    return nullptr;
}

LRESULT SealboxWindow::OnControlColour(HDC dc, HWND control, UINT message, WPARAM wParam,
                                       LPARAM lParam) {
    if (const ControlColours* colours = ColoursOf(control))
        return reinterpret_cast<LRESULT>(colours->Prepare(dc));
    return Window::OnMessage(message, wParam, lParam);
}

void SealboxWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const SealboxControls& c = controls_;
    if (item.hwndItem == c.Dir1.Handle()) {
        const ControlColours& colours = Colours(SealboxControl::Dir1);
        c.Dir1.Draw(item, colours.Back(), colours.Fore(), dpi_);
        return;
    }
    if (const ControlColours* colours = ColoursOf(item.hwndItem)) {
        if (item.CtlType == ODT_BUTTON) DrawButton(item, *colours, font_, dpi_);
    }
}

void SealboxWindow::OnMeasureItem(MEASUREITEMSTRUCT& item) const {
    // Asked as Dir1 is made, before any Place: the rows are as high as the text's.
    item.itemHeight = static_cast<UINT>(listRowHeight_);
}

void SealboxWindow::OnEraseBackground(HDC dc) const {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, colours_[static_cast<std::size_t>(SealboxControl::Form)]->Brush());
}

void SealboxWindow::OnActivate(bool active) {
    // A window that is not a dialog keeps no focus of its own across a switch
    // to another window: this one gives it back where it was.
    if (!active) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(Handle(), focus)) focusBeforeLeaving_ = focus;
        return;
    }
    if (focusBeforeLeaving_ != nullptr) SetFocus(focusBeforeLeaving_);
}

void SealboxWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UseDesignFont();
    PlaceControls();
    Repaint();
}

void SealboxWindow::OnClose() {
    // Closing the window ends the program, but not in the middle of a transform.
    if (form_ == nullptr) {
        PostQuitMessage(0);
        return;
    }
    form_->CloseRequested();
}

void SealboxWindow::OnSystemColoursChanged() {
    for (auto& pair : colours_) pair->Refresh();
    for (auto& pair : buttonColours_) pair->Refresh();
    Repaint();
}

std::string SealboxWindow::Text1() const { return controls_.Text1.Text(); }

void SealboxWindow::SetText1(const std::string& path) { controls_.Text1.SetText(path); }

std::string SealboxWindow::Text2() const { return controls_.Text2.Text(); }

void SealboxWindow::ListDrive1(const std::vector<std::string>& mountPoints) {
    DropDownList& drives = controls_.Drive1;
    drives.Clear();
    for (const std::string& mountPoint : mountPoints) drives.Add(mountPoint);
    drives.Select(-1);
}

std::string SealboxWindow::Drive1() const {
    const DropDownList& drives = controls_.Drive1;
    const int chosen = drives.Selected();
    return chosen < 0 ? std::string() : drives.ItemText(chosen);
}

void SealboxWindow::SetDrive1(const std::string& mountPoint) {
    controls_.Drive1.Select(controls_.Drive1.FindExact(mountPoint));
}

void SealboxWindow::ShowDir1(const FolderListing& listing) { controls_.Dir1.Show(listing); }

void SealboxWindow::ShowFile1(const std::vector<std::string>& names) {
    ListBox& files = controls_.File1;
    files.Clear();
    for (const std::string& name : names) files.Add(name);
}

std::string SealboxWindow::File1Selected() const {
    const ListBox& files = controls_.File1;
    const int chosen = files.Selected();
    return chosen < 0 ? std::string() : files.ItemText(chosen);
}

int SealboxWindow::ProgressBar1Width() const { return controls_.ProgressBar1.Width(); }

void SealboxWindow::SetProgressBar1Range(int minimum, int maximum) {
    controls_.ProgressBar1.SetRange(minimum, maximum);
}

void SealboxWindow::SetProgressBar1Value(int value) {
    // Drawn now, for the transform runs on: only the window's own drawing gets a
    // turn meanwhile, never a click or a key.
    controls_.ProgressBar1.SetValue(value);
    MSG paint;
    while (PeekMessageW(&paint, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) DispatchMessageW(&paint);
}

void SealboxWindow::ClearProgressBar1() {
    controls_.ProgressBar1.SetRange(0, 1);
    controls_.ProgressBar1.SetValue(0);
}

void SealboxWindow::SetBackAndForeColor(SealboxControl control, std::int32_t back,
                                        std::int32_t fore) {
    Colours(control).Set(back, fore);
    Repaint();
}

void SealboxWindow::SetCommand1BackColor(int index, std::int32_t colour) {
    buttonColours_[static_cast<std::size_t>(index)]->SetBack(colour);
    InvalidateRect(controls_.Command1[static_cast<std::size_t>(index)].Handle(), nullptr, TRUE);
}

void SealboxWindow::SetCaption(const std::string& caption) { Window::SetCaption(caption); }

void SealboxWindow::HideWindow() { ShowWindow(Handle(), SW_HIDE); }

}  // namespace vortalis::sealbox::win32_ui
