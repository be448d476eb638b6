#pragma once

#include <functional>
#include <string_view>

#include "runtime/errors/event_policy.h"
#include "runtime/files/file_system.h"

namespace vortalis::keyfold {

// `Keyfold_frm` — Keyfold's one form, loaded at start and never shown: its
// start-up handler is the whole run, and the error box all a user ever sees.
class Keyfold_frm {
  public:
    // `showErrorBox` shows the box of an error that ended the run.
    explicit Keyfold_frm(std::function<void(const RunError&)> showErrorBox,
                         FileSystem& files = SystemFiles());

    // `Form_Load` — the run from the command-line text (and, to name a file, the
    // same as the system shows it: see RunKeyfold), which ends the program on
    // every path: 0 once the file is rewritten, 1 after the error box.
    int Form_Load(std::string_view commandLine, std::string_view shownCommandLine = {});

  private:
    FileSystem& files_;
    int exitStatus_ = 0;
    EventPolicy events_;
};

}  // namespace vortalis::keyfold
