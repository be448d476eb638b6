// Writes the end sound, a short two-note chime, as a 16-bit mono PCM wave file:
// the build makes it, so nothing is downloaded and nothing is borrowed.
//   end_sound_generator <output.WAV>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr std::uint32_t kSampleRate = 22050;
constexpr double kNoteSeconds = 0.22;

struct Note {
    double frequency;
    double start;
};

std::vector<std::int16_t> Chime() {
    const Note notes[] = {{880.0, 0.0}, {1318.5, 0.16}};
    const double length = notes[1].start + kNoteSeconds * 2;
    std::vector<std::int16_t> samples(static_cast<std::size_t>(length * kSampleRate));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double time = static_cast<double>(i) / kSampleRate;
        double value = 0;
        for (const Note& note : notes) {
            const double since = time - note.start;
            if (since < 0) continue;
            const double attack = std::min(1.0, since / 0.005);  // no click at the start
            const double decay = std::exp(-since / (kNoteSeconds / 2.5));
            value +=
                0.35 * attack * decay * std::sin(2 * std::numbers::pi * note.frequency * since);
        }
        samples[i] = static_cast<std::int16_t>(std::lround(value * 32767));
    }
    return samples;
}

void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: end_sound_generator <output.WAV>\n");
        return 2;
    }
    const std::vector<std::int16_t> samples = Chime();
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write("RIFF", 4);
    PutLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLittleEndian(out, 16, 4);  // size of the format chunk
    PutLittleEndian(out, 1, 2);   // PCM
    PutLittleEndian(out, 1, 2);   // mono
    PutLittleEndian(out, kSampleRate, 4);
    PutLittleEndian(out, kSampleRate * 2, 4);  // bytes a second
    PutLittleEndian(out, 2, 2);                // bytes a frame
    PutLittleEndian(out, 16, 2);               // bits a sample
    out.write("data", 4);
    PutLittleEndian(out, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    }
    return out ? 0 : 1;
}
