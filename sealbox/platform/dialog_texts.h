#pragma once

#include <cstdint>
#include <string>

namespace vortalis::sealbox {

// What every system's boxes say: the title they carry and the question asked
// before bytes 255 are enciphered for good.
inline constexpr const char* kProgramTitle = "Sealbox";

std::string LossQuestion(std::uint64_t lostBytes);

}  // namespace vortalis::sealbox
