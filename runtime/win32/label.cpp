#include "runtime/win32/label.h"

#include "runtime/win32/focus_stop.h"

namespace vortalis::win32 {

void Label::Create(Window& parent, const std::string& caption) {
    Control::Create(parent, L"STATIC", caption, SS_LEFT | SS_NOPREFIX);
}

void FocusHolder::Create(Window& parent) { Control::Create(parent, L"STATIC", "", kFocusStop); }

}  // namespace vortalis::win32
