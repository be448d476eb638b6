#include "runtime/process/program_location.h"

namespace vortalis {

ProgramLocation CurrentProgram() {
    const std::filesystem::path path = ExecutablePath();
    return {path.parent_path(), path.filename().string(), path.stem().string()};
}

}  // namespace vortalis
