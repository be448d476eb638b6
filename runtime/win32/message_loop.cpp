#include "runtime/win32/message_loop.h"

namespace vortalis::win32 {
namespace {

// A window that never validates what it paints would keep a turn going forever.
constexpr int kMostMessagesInATurn = 100;

}  // namespace

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

void ProcessNonInputMessages() {
    // The input is filtered out, not taken and dropped: the keys and clicks
    // stay queued, in their order, as Qt's ExcludeUserInputEvents keeps them,
    // and a key's state stays that of the last one taken.
    constexpr UINT kNonInput = PM_QS_PAINT | PM_QS_SENDMESSAGE | PM_QS_POSTMESSAGE;
    MSG message;
    for (int taken = 0; taken < kMostMessagesInATurn; ++taken) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | kNonInput)) return;
        if (message.message == WM_QUIT) {
            // It belongs to the event loop, once the work is done.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        DispatchMessageW(&message);
    }
}

}  // namespace vortalis::win32
