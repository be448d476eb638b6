#include "sealbox/ui/win32/folder_list_box.h"

#include "runtime/text/wide_text.h"
#include "runtime/win32/dpi.h"

namespace vortalis::sealbox::win32_ui {
namespace {

constexpr int kIndentPixels = 10;  // at 96 dots per inch

int Scaled(int pixels, int dpi) { return MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI); }

// A folder drawn in a square of `size` pixels whose top left is `at`, closed or open.
void DrawFolder(HDC dc, POINT at, int size, bool open) {
    const auto point = [&](double x, double y) {
        return POINT{at.x + static_cast<LONG>(x * size / 16),
                     at.y + static_cast<LONG>(y * size / 16)};
    };
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(128, 96, 0));
    HBRUSH back = CreateSolidBrush(RGB(240, 200, 80));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, back);
    const POINT tab[] = {point(1, 2), point(6, 2), point(6, 4), point(1, 4)};
    Polygon(dc, tab, 4);
    const POINT body[] = {point(1, 4), point(open ? 13 : 14, 4), point(open ? 13 : 14, 13),
                          point(1, 13)};
    Polygon(dc, body, 4);
    HBRUSH front = nullptr;
    if (open) {  // the front, tipped forward
        front = CreateSolidBrush(RGB(252, 228, 140));
        SelectObject(dc, front);
        const POINT flap[] = {point(3, 7), point(15, 7), point(13, 13), point(1, 13)};
        Polygon(dc, flap, 4);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    if (front != nullptr) DeleteObject(front);
    DeleteObject(back);
    DeleteObject(pen);
}

}  // namespace

void FolderListBox::Create(win32::Window& parent, int rowHeight) {
    rowHeight_ = rowHeight;
    ListBox::Create(parent, LBS_OWNERDRAWFIXED);
}

bool FolderListBox::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    // Asked as the list is made, before any Place.
    item.itemHeight = static_cast<UINT>(rowHeight_);
    return true;
}

void FolderListBox::Show(const FolderListing& listing) {
    Clear();
    listing_ = listing;
    for (const FolderEntry& entry : listing_.entries) Add(entry.name);
    Select(listing_.selected);
}

bool FolderListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID >= listing_.entries.size()) return true;
    const FolderEntry& entry = listing_.entries[item.itemID];
    const win32::ControlColours* colours = Colours();
    const COLORREF back = colours != nullptr ? colours->Back() : GetSysColor(COLOR_WINDOW);
    const COLORREF fore = colours != nullptr ? colours->Fore() : GetSysColor(COLOR_WINDOWTEXT);
    const int dpi = win32::WindowDpi(item.hwndItem);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    const COLORREF fill = selected ? GetSysColor(COLOR_HIGHLIGHT) : back;
    SetBkColor(dc, fill);
    SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : fore);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &item.rcItem, nullptr, 0, nullptr);

    const int height = item.rcItem.bottom - item.rcItem.top;
    const int glyph = height - 2;
    const int left = item.rcItem.left + Scaled(2, dpi) + entry.depth * Scaled(kIndentPixels, dpi);
    DrawFolder(dc, {left, item.rcItem.top + 1}, glyph, entry.open);

    RECT text = item.rcItem;
    text.left = left + glyph + Scaled(4, dpi);
    const std::wstring name = Widen(entry.name);
    DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &item.rcItem);
    return true;
}

}  // namespace vortalis::sealbox::win32_ui
