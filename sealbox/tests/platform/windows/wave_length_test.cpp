#include "sealbox/platform/windows/wave_length.h"

#include <gtest/gtest.h>

#include <vector>

namespace vortalis::sealbox {
namespace {

void Append32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

void AppendName(std::vector<std::uint8_t>& bytes, const char* name) {
    for (int letter = 0; letter < 4; ++letter)
        bytes.push_back(static_cast<std::uint8_t>(name[letter]));
}

// A wave file of `dataBytes` at 22,050 samples of 16-bit mono a second, with
// an odd-sized chunk of its own before the data.
std::vector<std::uint8_t> Wave(std::uint32_t dataBytes) {
    std::vector<std::uint8_t> bytes;
    AppendName(bytes, "RIFF");
    Append32(bytes, 0);
    AppendName(bytes, "WAVE");
    AppendName(bytes, "fmt ");
    Append32(bytes, 16);
    Append32(bytes, 0x00010001);  // PCM, one channel
    Append32(bytes, 22050);
    Append32(bytes, 44100);       // bytes a second
    Append32(bytes, 0x00100002);  // 2 bytes a frame, 16 bits a sample
    AppendName(bytes, "LIST");
    Append32(bytes, 3);
    Append32(bytes, 0x00030201);  // three bytes and the padding
    AppendName(bytes, "data");
    Append32(bytes, dataBytes);
    return bytes;
}

TEST(WaveLength, IsTheDataOverTheByteRate) {
    EXPECT_EQ(WaveLength(Wave(44100)).count(), 1000);
    EXPECT_EQ(WaveLength(Wave(22050)).count(), 500);
    std::vector<std::uint8_t> notAWave = Wave(44100);
    notAWave[8] = 'X';
    EXPECT_EQ(WaveLength(notAWave).count(), 0);
    std::vector<std::uint8_t> cutShort = Wave(44100);
    cutShort.resize(20);
    EXPECT_EQ(WaveLength(cutShort).count(), 0);
}

}  // namespace
}  // namespace vortalis::sealbox
