#pragma once

#include <string>

#include "keyfold/core/keyfold_run.h"
#include "runtime/errors/run_error.h"

namespace vortalis::testing {

// Runs Keyfold in this process: the error number it stops on, 0 on success.
inline int KeyfoldErrorNumber(const std::string& commandLine, FileSystem& files = SystemFiles()) {
    try {
        RunKeyfold(commandLine, files);
        return 0;
    } catch (const RunError& error) {
        return error.Number();
    }
}

}  // namespace vortalis::testing
