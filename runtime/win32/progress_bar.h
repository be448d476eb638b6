#pragma once

#include "runtime/win32/control.h"

namespace vortalis::win32 {

class ProgressBar : public Control {
  public:
    void Create(Window& parent);
    void SetRange(int minimum, int maximum);
    // Drawn before this returns, for the caller may give the message loop no turn.
    void SetValue(int value);
    int Width() const;
};

}  // namespace vortalis::win32
