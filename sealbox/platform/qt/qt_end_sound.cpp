#include "sealbox/platform/qt/qt_end_sound.h"

#include "runtime/process/companion_module.h"

namespace vortalis::sealbox {

void QtEndSound::Play() {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(file_, ignored)) return;
    using PlayFunction = void (*)(const char* utf8Path);
    const auto play = reinterpret_cast<PlayFunction>(
        CompanionFunction("vortalis_end_sound", "vortalis_play_end_sound"));
    if (play == nullptr) return;  // without its player, the program ends in silence
    const std::u8string path = file_.u8string();
    play(reinterpret_cast<const char*>(path.c_str()));
}

}  // namespace vortalis::sealbox
