#include "sealbox/platform/windows/wave_length.h"

#include <cstring>
#include <optional>

namespace vortalis::sealbox {
namespace {

std::uint32_t Little32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 |
           std::uint32_t{bytes[at + 2]} << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

bool Named(std::span<const std::uint8_t> bytes, std::size_t at, const char* name) {
    return std::memcmp(bytes.data() + at, name, 4) == 0;
}

}  // namespace

std::chrono::milliseconds WaveLength(std::span<const std::uint8_t> file) {
    constexpr std::size_t kHeader = 12;
    if (file.size() < kHeader || !Named(file, 0, "RIFF") || !Named(file, 8, "WAVE")) return {};
    std::optional<std::uint32_t> byteRate;
    // Chunks follow one another, each padded to an even length.
    for (std::size_t at = kHeader; at + 8 <= file.size();) {
        const std::uint64_t size = Little32(file, at + 4);
        if (Named(file, at, "fmt ") && size >= 16 && at + 16 <= file.size()) {
            byteRate = Little32(file, at + 8 + 8);
        } else if (Named(file, at, "data") && byteRate && *byteRate > 0) {
            return std::chrono::milliseconds(size * 1000 / *byteRate);
        }
        at += 8 + size + (size & 1);
    }
    return {};
}

}  // namespace vortalis::sealbox
