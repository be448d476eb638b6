#pragma once

#include <optional>
#include <string_view>

#include "runtime/errors/run_error.h"
#include "runtime/files/file_system.h"

namespace vortalis::keyfold {

// `Keyfold_frm` — Keyfold's one form, loaded at start and never shown: its
// start-up handler is the whole run, and the error box all a user ever sees.
class Keyfold_frm {
  public:
    explicit Keyfold_frm(FileSystem& files = SystemFiles()) : files_(files) {}

    // `Form_Load` — the run from the command-line text (and, to name a file, the
    // same as the system shows it: see RunKeyfold). Gives back the error that
    // ended it, for the error box, or nothing once the file is rewritten.
    std::optional<RunError> Form_Load(std::string_view commandLine,
                                      std::string_view shownCommandLine = {});

  private:
    FileSystem& files_;
};

}  // namespace vortalis::keyfold
