#include "sealbox/ui/win32/sealbox_window.h"

#include "runtime/win32/dpi.h"
#include "runtime/win32/message_loop.h"
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

}  // namespace

// Until the form colours it, the window is in its design colours.
SealboxWindow::SealboxWindow()
    : formColours_(DesignColours()[ColourScheme::kWindowBackground],
                   DesignColours()[ColourScheme::kWindowText]) {}

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
    CentreOnWorkArea();
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
    if (IsCommand1(part)) {
        win32::Button& button = c.Command1[Command1Index(part)];
        button.Create(*this, kCommand1Captions[Command1Index(part)]);
        return &button;
    }
    switch (part) {
        case SealboxPart::Picture1:
            c.Picture1.Create(*this);
            return &c.Picture1;
        case SealboxPart::Drive1:
            c.Drive1.Create(*this);
            return &c.Drive1;
        case SealboxPart::Dir1:
            c.Dir1.Create(*this, listRowHeight_);
            return &c.Dir1;
        case SealboxPart::File1:
            c.File1.Create(*this);
            return &c.File1;
        case SealboxPart::Text1:
            c.Text1.Create(*this);
            return &c.Text1;
        case SealboxPart::Text2:
            c.Text2.CreateMasked(*this, kPasswordMask);
            return &c.Text2;
        case SealboxPart::ProgressBar1:
            c.ProgressBar1.Create(*this);
            return &c.ProgressBar1;
        case SealboxPart::Label1:
            c.Label1.Create(*this, kLabel1Text);
            return &c.Label1;
        case SealboxPart::Label2:
            c.Label2.Create(*this, kLabel2Text);
            return &c.Label2;
        default:
            return nullptr;
    }
}

win32::Control& SealboxWindow::Part(SealboxPart part) const {
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

void SealboxWindow::ForwardEventsTo(Sealboxfrm& form) {
    form_ = &form;
    SealboxControls& c = controls_;
    c.Drive1.onSelectionChanged = [&form] { form.Drive1_Change(); };
    c.Dir1.onOpen = [this, &form](int row) { form.OpenFolder(controls_.Dir1.PathAt(row)); };
    c.File1.onSelectionChanged = [&form] { form.File1_Click(); };
    for (int index = 0; index < Sealboxfrm::kButtonCount; ++index)
        c.Command1[index].onClick = [&form, index] { form.Command1_Click(index); };
}

void SealboxWindow::Repaint() const {
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT SealboxWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
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

void SealboxWindow::OnEraseBackground(HDC dc) const {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, formColours_.Brush());
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
    // The controls' own colours follow by themselves; the window's, here.
    formColours_.Refresh();
    Repaint();
}

std::string SealboxWindow::Text1() const { return controls_.Text1.Text(); }

void SealboxWindow::SetText1(const std::string& path) { controls_.Text1.SetText(path); }

std::string SealboxWindow::Text2() const { return controls_.Text2.Text(); }

void SealboxWindow::ListDrive1(const std::vector<std::string>& mountPoints) {
    win32::DropDownList& drives = controls_.Drive1;
    drives.Clear();
    for (const std::string& mountPoint : mountPoints) drives.Add(mountPoint);
    drives.Select(-1);
}

std::string SealboxWindow::Drive1() const {
    const win32::DropDownList& drives = controls_.Drive1;
    return drives.ItemText(drives.Selected());
}

void SealboxWindow::SetDrive1(const std::string& mountPoint) {
    controls_.Drive1.Select(controls_.Drive1.FindExact(mountPoint));
}

void SealboxWindow::ShowDir1(const FolderListing& listing) { controls_.Dir1.Show(listing); }

void SealboxWindow::ShowFile1(const std::vector<std::string>& names) {
    win32::ListBox& files = controls_.File1;
    files.Clear();
    for (const std::string& name : names) files.Add(name);
}

std::string SealboxWindow::File1Selected() const {
    const win32::ListBox& files = controls_.File1;
    return files.ItemText(files.Selected());
}

int SealboxWindow::ProgressBar1Width() const { return controls_.ProgressBar1.Width(); }

void SealboxWindow::SetProgressBar1Range(int minimum, int maximum) {
    controls_.ProgressBar1.SetRange(minimum, maximum);
}

void SealboxWindow::SetProgressBar1Value(int value) { controls_.ProgressBar1.SetValue(value); }

void SealboxWindow::ClearProgressBar1() {
    controls_.ProgressBar1.SetRange(0, 1);
    controls_.ProgressBar1.SetValue(0);
}

void SealboxWindow::SetBackAndForeColor(SealboxControl control, std::int32_t back,
                                        std::int32_t fore) {
    if (control != SealboxControl::Form) {
        Part(PartOf(control)).SetColours(back, fore);
        return;
    }
    formColours_.Set(back, fore);
    Repaint();
}

void SealboxWindow::SetCommand1BackColor(int index, std::int32_t colour) {
    controls_.Command1[static_cast<std::size_t>(index)].SetBackColour(colour);
}

void SealboxWindow::GiveFocusTo(SealboxPart part) {
    // Also where the focus comes back to when the window is active again: the
    // box that moved it may still be closing.
    focusBeforeLeaving_ = Part(part).Handle();
    Part(part).Focus();
}

void SealboxWindow::ProcessNonInputEvents() { win32::ProcessNonInputMessages(); }

void SealboxWindow::SetCaption(const std::string& caption) { Window::SetCaption(caption); }

void SealboxWindow::HideWindow() { ShowWindow(Handle(), SW_HIDE); }

}  // namespace vortalis::sealbox::win32_ui
