#include "sealbox/platform/windows/windows_end_sound.h"

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "runtime/process/system_libraries.h"
#include "sealbox/platform/windows/wave_length.h"

namespace vortalis::sealbox {
namespace {

std::chrono::milliseconds LengthOfWaveFile(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(stream), {}};
    return WaveLength(bytes);
}

}  // namespace

void WindowsEndSound::Play() {
    // Looked up, not imported: an imported library is looked for beside the
    // program first, before the program can say where to look.
    using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);
    const auto playSound =
        reinterpret_cast<PlaySoundFunction>(SystemLibraryFunction("winmm.dll", "PlaySoundW"));
    if (playSound == nullptr) return;
    const auto start = std::chrono::steady_clock::now();
    // No default beep in its place: a missing sound is no error of the user's.
    if (!playSound(file_.c_str(), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT)) return;
    // Some players return once the sound is handed over rather than heard, and
    // a program that ends then takes its sound with it: wait out its length,
    // and what the sound server may still hold.
    constexpr std::chrono::milliseconds kServerLatency{300};
    std::this_thread::sleep_until(start + LengthOfWaveFile(file_) + kServerLatency);
}

}  // namespace vortalis::sealbox
