#include "sealbox/ui/win32/controls.h"

#include <commctrl.h>

#include "runtime/text/wide_text.h"

namespace vortalis::sealbox::win32_ui {
namespace {

constexpr DWORD kFocusable = WS_TABSTOP | WS_GROUP;

std::string LongText(const win32::Control& control, UINT lengthMessage, UINT textMessage,
                     int index) {
    const auto length = SendMessageW(control.Handle(), lengthMessage, index, 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(control.Handle(), textMessage, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return Narrow(text);
}

}  // namespace

void Button::Create(HWND parent, const std::string& caption, int id) {
    Control::Create(parent, L"BUTTON", caption, BS_OWNERDRAW | kFocusable, id);
}

void EditBox::Create(HWND parent, int id) {
    Control::Create(parent, L"EDIT", "", ES_AUTOHSCROLL | kFocusable, id, WS_EX_CLIENTEDGE);
}

void EditBox::CreateMasked(HWND parent, int id, wchar_t mask) {
    Control::Create(parent, L"EDIT", "", ES_AUTOHSCROLL | ES_PASSWORD | kFocusable, id,
                    WS_EX_CLIENTEDGE);
    Send(EM_SETPASSWORDCHAR, mask);
}

void Label::Create(HWND parent, const std::string& caption, int id) {
    Control::Create(parent, L"STATIC", caption, SS_LEFT | SS_NOPREFIX, id);
}

void FocusHolder::Create(HWND parent, int id) {
    Control::Create(parent, L"STATIC", "", kFocusable, id);
}

void ListBox::Create(HWND parent, int id, DWORD extraStyle) {
    Control::Create(
        parent, L"LISTBOX", "",
        LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | kFocusable | extraStyle,
        id, WS_EX_CLIENTEDGE);
}

void ListBox::Clear() { Send(LB_RESETCONTENT); }

void ListBox::Add(const std::string& text) {
    Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

int ListBox::Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }

int ListBox::Selected() const { return static_cast<int>(Send(LB_GETCURSEL)); }

void ListBox::Select(int index) { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }

std::string ListBox::ItemText(int index) const {
    return LongText(*this, LB_GETTEXTLEN, LB_GETTEXT, index);
}

void ListBox::SetItemHeight(int pixels) { Send(LB_SETITEMHEIGHT, 0, pixels); }

void DropDownList::Create(HWND parent, int id) {
    Control::Create(parent, L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | kFocusable, id);
}

void DropDownList::Clear() { Send(CB_RESETCONTENT); }

int DropDownList::Add(const std::string& text) {
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str())));
}

int DropDownList::FindExact(const std::string& text) const {
    const auto found = Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(Widen(text).c_str()));
    return found == CB_ERR ? -1 : static_cast<int>(found);
}

int DropDownList::Selected() const { return static_cast<int>(Send(CB_GETCURSEL)); }

void DropDownList::Select(int index) { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }

std::string DropDownList::ItemText(int index) const {
    return LongText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

HWND DropDownList::DroppedList() const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(Handle(), &info) ? info.hwndList : nullptr;
}

void DropDownList::PlaceWithDrop(const RECT& field, int rows) {
    // A combo box's height is its field's and its dropped list's together.
    const int rowHeight = static_cast<int>(Send(CB_GETITEMHEIGHT, 0));
    RECT whole = field;
    whole.bottom += rows * rowHeight + 2;
    Place(whole);
}

void ProgressBar::Create(HWND parent, int id) {
    Control::Create(parent, PROGRESS_CLASSW, "", 0, id);
}

void ProgressBar::SetRange(int minimum, int maximum) { Send(PBM_SETRANGE32, minimum, maximum); }

void ProgressBar::SetValue(int value) {
    Send(PBM_SETPOS, static_cast<WPARAM>(value));
    UpdateWindow(Handle());
}

int ProgressBar::Width() const {
    RECT client;
    GetClientRect(Handle(), &client);
    return client.right - client.left;
}

}  // namespace vortalis::sealbox::win32_ui
