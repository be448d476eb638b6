#include "runtime/win32/drop_down_list.h"

#include "runtime/text/wide_text.h"
#include "runtime/win32/focus_stop.h"
#include "runtime/win32/list_text.h"

namespace vortalis::win32 {

void DropDownList::Create(Window& parent) {
    Control::Create(parent, L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | kFocusStop);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(Handle(), &info)) AnswerFor(info.hwndList);
}

bool DropDownList::OnCommand(int notification) {
    if (notification != CBN_SELCHANGE) return false;
    if (onSelectionChanged) onSelectionChanged();
    return true;
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
    return ListText(Handle(), CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

void DropDownList::PlaceWithDrop(const RECT& field, int rows) {
    // A combo box's height is its field's and its dropped list's together.
    const int rowHeight = static_cast<int>(Send(CB_GETITEMHEIGHT, 0));
    RECT whole = field;
    whole.bottom += rows * rowHeight + 2;
    Place(whole);
}

}  // namespace vortalis::win32
