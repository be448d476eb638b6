// Opens Sealbox's window and prints what a screen reader reads of it (see
// accessible_names_win32.h), for the test that runs it under Wine.

#include "runtime/tests/support/accessible_names_win32.h"
#include "sealbox/core/sealbox_frm.h"
#include "sealbox/ui/win32/sealbox_window.h"

int main() {
    vortalis::sealbox::win32_ui::SealboxWindow window;
    if (!window.Open()) return 1;
    window.SetCaption(vortalis::sealbox::kCreditCaption);
    window.Show();
    vortalis::testing::PrintAccessibleNames(window.Handle());
    return 0;
}
