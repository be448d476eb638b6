#pragma once

#include <chrono>
#include <cstdint>
#include <span>

namespace vortalis::sealbox {

// How long a RIFF wave file plays: its data chunk's size over the byte rate of
// its format chunk; zero for what is not such a file.
std::chrono::milliseconds WaveLength(std::span<const std::uint8_t> file);

}  // namespace vortalis::sealbox
