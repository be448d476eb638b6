#include "runtime/win32/edit_box.h"

#include "runtime/win32/focus_stop.h"

namespace vortalis::win32 {

void EditBox::Create(Window& parent) {
    Control::Create(parent, L"EDIT", "", ES_AUTOHSCROLL | kFocusStop, WS_EX_CLIENTEDGE);
}

void EditBox::CreateMasked(Window& parent, wchar_t mask) {
    Control::Create(parent, L"EDIT", "", ES_AUTOHSCROLL | ES_PASSWORD | kFocusStop,
                    WS_EX_CLIENTEDGE);
    Send(EM_SETPASSWORDCHAR, mask);
}

bool EditBox::OnCommand(int notification) {
    if (notification != EN_CHANGE) return false;
    if (onTextChanged) onTextChanged();
    return true;
}

}  // namespace vortalis::win32
