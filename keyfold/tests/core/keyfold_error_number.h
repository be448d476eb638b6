#pragma once

#include <string>

#include "keyfold/core/keyfold_frm.h"

namespace vortalis::testing {

// Runs Keyfold's form in this process: the number of the error its box shows,
// 0 on success.
inline int KeyfoldErrorNumber(const std::string& commandLine, FileSystem& files = SystemFiles()) {
    int shown = 0;
    keyfold::Keyfold_frm([&shown](const RunError& error) { shown = error.Number(); }, files)
        .Form_Load(commandLine);
    return shown;
}

}  // namespace vortalis::testing
