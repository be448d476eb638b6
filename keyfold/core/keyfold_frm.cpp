#include "keyfold/core/keyfold_frm.h"

#include "keyfold/core/keyfold_run.h"

namespace vortalis::keyfold {

Keyfold_frm::Keyfold_frm(std::function<void(const RunError&)> showErrorBox, FileSystem& files)
    : files_(files),
      events_({std::move(showErrorBox), [this](int exitStatus) { exitStatus_ = exitStatus; }}) {}

int Keyfold_frm::Form_Load(std::string_view commandLine, std::string_view shownCommandLine) {
    events_.Run([&] { RunKeyfold(commandLine, files_, shownCommandLine); });
    return exitStatus_;
}

}  // namespace vortalis::keyfold
