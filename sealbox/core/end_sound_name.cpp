#include "sealbox/core/end_sound_name.h"

#include "runtime/text/utf8_path.h"

namespace vortalis::sealbox {

std::filesystem::path EndSoundPath(const ProgramLocation& program) {
    const std::string& stem = program.stem;
    const std::string kept = stem.substr(0, stem.size() >= 3 ? stem.size() - 3 : 0);
    return program.folder / Utf8Path(kept + "fin.WAV");
}

}  // namespace vortalis::sealbox
