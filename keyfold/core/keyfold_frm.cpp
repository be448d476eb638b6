#include "keyfold/core/keyfold_frm.h"

#include "keyfold/core/keyfold_run.h"

namespace vortalis::keyfold {

std::optional<RunError> Keyfold_frm::Form_Load(std::string_view commandLine,
                                               std::string_view shownCommandLine) {
    return ErrorEscaping([&] { RunKeyfold(commandLine, files_, shownCommandLine); });
}

}  // namespace vortalis::keyfold
