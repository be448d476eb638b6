#pragma once

#include <filesystem>

#include "runtime/process/program_location.h"

namespace vortalis::sealbox {

// The end sound beside the program: its name is the executable's stem less its
// last three characters, then "fin.WAV" ("Sealbox" plays "Sealfin.WAV").
std::filesystem::path EndSoundPath(const ProgramLocation& program);

}  // namespace vortalis::sealbox
