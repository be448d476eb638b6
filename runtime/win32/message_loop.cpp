#include "runtime/win32/message_loop.h"

namespace vortalis::win32 {

int RunMessageLoop(HWND window, HACCEL accelerators, bool dialogKeys) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (accelerators != nullptr && TranslateAcceleratorW(window, accelerators, &message)) {
            continue;
        }
        if (dialogKeys && IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace vortalis::win32
