#pragma once

#include <string>

#include "keyfold/core/keyfold_frm.h"

namespace vortalis::testing {

// Runs Keyfold's form in this process: the error number it ends on, 0 on success.
inline int KeyfoldErrorNumber(const std::string& commandLine, FileSystem& files = SystemFiles()) {
    const auto error = keyfold::Keyfold_frm(files).Form_Load(commandLine);
    return error ? error->Number() : 0;
}

}  // namespace vortalis::testing
