#pragma once

#include <windows.h>

#include "sealbox/core/sealbox_services.h"

namespace vortalis::sealbox {

// Ends the program once control is back in its message loop, with this code.
class QuitMessageEnd : public ProgramEnd {
  public:
    void End(int exitCode) override { PostQuitMessage(exitCode); }
};

}  // namespace vortalis::sealbox
