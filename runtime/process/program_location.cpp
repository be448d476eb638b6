#include "runtime/process/program_location.h"

#include "runtime/text/utf8_path.h"

namespace vortalis {

ProgramLocation CurrentProgram() {
    const std::filesystem::path path = ExecutablePath();
    return {path.parent_path(), Utf8Text(path.filename()), Utf8Text(path.stem())};
}

}  // namespace vortalis
