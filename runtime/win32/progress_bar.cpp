#include "runtime/win32/progress_bar.h"

#include <commctrl.h>

namespace vortalis::win32 {

void ProgressBar::Create(Window& parent) { Control::Create(parent, PROGRESS_CLASSW, "", 0); }

void ProgressBar::SetRange(int minimum, int maximum) { Send(PBM_SETRANGE32, minimum, maximum); }

void ProgressBar::SetValue(int value) {
    Send(PBM_SETPOS, static_cast<WPARAM>(value));
    UpdateWindow(Handle());
}

int ProgressBar::Width() const {
    RECT client;
    GetClientRect(Handle(), &client);
    return client.right - client.left;
}

}  // namespace vortalis::win32
