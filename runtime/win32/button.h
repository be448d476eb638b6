#pragma once

#include <functional>
#include <string>

#include "runtime/win32/control.h"

namespace vortalis::win32 {

// A push button drawn by us, the only way a button shows a background colour
// of its own (SetColours, SetBackColour); its "&" letter clicks it with Alt.
class Button : public Control {
  public:
    void Create(Window& parent, const std::string& caption);

    std::function<void()> onClick;

  protected:
    bool OnCommand(int notification) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
};

}  // namespace vortalis::win32
