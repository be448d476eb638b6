#pragma once

#include <cstdint>
#include <string>

#include "runtime/errors/run_error.h"

namespace vortalis::sealbox {

// What Sealbox's boxes say, on every system.

// The title every box carries.
inline constexpr const char* kProgramTitle = "Sealbox";

// Told when the system refuses to make the window, before anything else runs.
inline constexpr const char* kWindowCannotOpen = "La fenêtre ne peut pas s'ouvrir.";

// Command1's checks, in their order: no such ordinary file, then no password.
std::string FileNotFoundMessage(const std::string& typedFile);
inline constexpr const char* kWhatPassword = "quel est le mot de passe ?";

// A drive whose folder cannot be read.
std::string MediumErrorMessage(const RunError& error);

// The question asked before bytes 255 are enciphered for good.
std::string LossQuestion(std::uint64_t lostBytes);

}  // namespace vortalis::sealbox
