#include "sealbox/platform/windows/windows_end_sound.h"

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

namespace vortalis {

void WindowsEndSound::Play() {
    // No default beep in its place: a missing sound is no error of the user's.
    PlaySoundW(file_.c_str(), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT);
}

}  // namespace vortalis
