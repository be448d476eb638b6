#include "keyfold/core/keyfold_frm.h"

#include "keyfold/core/keyfold_run.h"

namespace vortalis {

std::optional<RunError> Keyfold_frm::Form_Load(std::string_view commandLine) {
    return ErrorEscaping([&] { RunKeyfold(commandLine, files_); });
}

}  // namespace vortalis
