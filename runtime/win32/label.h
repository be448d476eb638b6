#pragma once

#include <string>

#include "runtime/win32/control.h"

namespace vortalis::win32 {

// A text shown as it is ("&" included). A screen reader names a box by the
// label made just before it.
class Label : public Control {
  public:
    void Create(Window& parent, const std::string& caption);
};

// A control of no size that takes the focus and does nothing with the keys.
class FocusHolder : public Control {
  public:
    void Create(Window& parent);
};

}  // namespace vortalis::win32
