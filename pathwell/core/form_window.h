#pragma once

#include <string>

#include "pathwell/core/path_dialogs.h"

namespace vortalis::pathwell {

// Pathwell's form as the window system holds it: never shown, but it has a
// handle that owns the dialogs and a caption that the dialogs' texts quote.
class FormWindow {
  public:
    virtual ~FormWindow() = default;

    virtual WindowHandle Handle() = 0;
    virtual std::string Caption() const = 0;  // UTF-8
    virtual void SetCaption(const std::string& caption) = 0;
};

}  // namespace vortalis::pathwell
