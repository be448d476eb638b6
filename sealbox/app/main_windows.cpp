// Sealbox: enciphers or deciphers the file picked in its window, then ends.

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "runtime/errors/error_report.h"
#include "runtime/process/command_line.h"
#include "runtime/process/system_libraries.h"
#include "runtime/win32/message_loop.h"
#include "sealbox/core/sealbox_frm.h"
#include "sealbox/core/sealbox_messages.h"
#include "sealbox/platform/windows/logical_drives.h"
#include "sealbox/platform/windows/quit_message_end.h"
#include "sealbox/platform/windows/windows_dialogs.h"
#include "sealbox/platform/windows/windows_end_sound.h"
#include "sealbox/ui/win32/sealbox_window.h"

int main(int argc, char** argv) {
    // Before anything loads a library: none is taken from beside the program.
    vortalis::LoadLibrariesFromTheSystemOnly();
    // The progress bar is one of the common controls.
    const INITCOMMONCONTROLSEX commonControls{sizeof commonControls,
                                              ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&commonControls);

    vortalis::sealbox::WindowsDialogs dialogs;
    vortalis::sealbox::WindowsEndSound endSound;
    vortalis::sealbox::QuitMessageEnd programEnd;
    vortalis::sealbox::LogicalDrives volumes;
    vortalis::sealbox::SystemFolderReader folders;
    const vortalis::UserPlaces places;
    vortalis::sealbox::win32_ui::SealboxWindow window;
    if (!window.Open()) {
        vortalis::ShowMessage(vortalis::sealbox::kProgramTitle,
                              vortalis::sealbox::kWindowCannotOpen,
                              vortalis::MessageIcon::Critical);
        return 1;
    }
    dialogs.SetOwner(window.Handle());
    vortalis::sealbox::Sealboxfrm form(
        window, {dialogs, endSound, programEnd, volumes, folders, vortalis::SystemFiles(), places},
        {vortalis::CommandLineTextUtf8(argc, argv), vortalis::CurrentProgram()});
    window.ForwardEventsTo(form);
    form.Form_Load();
    // An error at start has been reported; the loop that would end is not running yet.
    if (form.Ended()) return 1;
    window.Show();
    return vortalis::win32::RunMessageLoop(window.Handle(), nullptr, true);
}
