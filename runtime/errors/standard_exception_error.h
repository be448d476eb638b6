#pragma once

#include <exception>
#include <filesystem>
#include <system_error>

#include "runtime/errors/run_error.h"

namespace vortalis {

// The run-time errors that the standard library's exceptions stand for, so that
// whatever escapes a handler reaches the user in the programs' one error box,
// in French, instead of ending the program unreported.

// The error of its code, naming the path or paths it is about.
RunError FilesystemRunError(const std::filesystem::filesystem_error& error);
// The error of its code.
RunError SystemRunError(const std::system_error& error);
// Any other exception: an invalid call (error 5), which the program did not foresee.
RunError UnforeseenRunError(const std::exception& error);

}  // namespace vortalis
