#include "sealbox/core/sealbox_frm.h"

#include "runtime/errors/run_error.h"
#include "runtime/files/rewrite_recovery.h"
#include "runtime/text/ansi_text.h"
#include "runtime/text/utf8_path.h"
#include "sealbox/core/end_sound_name.h"
#include "sealbox/core/file_search.h"
#include "sealbox/core/folder_listing.h"
#include "sealbox/core/progress_bar_feed.h"
#include "sealbox/core/sealbox_messages.h"
#include "sealbox/core/typed_file_path.h"
#include "sealbox/core/volumes.h"

namespace vortalis::sealbox {

Sealboxfrm::Sealboxfrm(SealboxView& view, SealboxServices services, SealboxStart start)
    : view_(view),
      services_(services),
      start_(std::move(start)),
      policy_({[this](const RunError& error) { services_.dialogs.ReportError(error); },
               [this](int exitCode) {
                   // The window goes first: the event loop ends only once control is back in it.
                   view_.HideWindow();
                   services_.programEnd.End(exitCode);
               }}) {}

void Sealboxfrm::Form_Load() {
    policy_.Run([this] { LoadForm(); });
}

void Sealboxfrm::LoadForm() {
    PutBackInterruptedRewrites();
    ApplyColourScheme(LoadColourScheme());
    view_.SetCaption(kCreditCaption);
    OpenListsOnStartFolder();
    services_.endSound.SetFileName(EndSoundPath(start_.program));
}

void Sealboxfrm::PutBackInterruptedRewrites() {
    // A transform killed part-way through a file rewritten in place left its
    // original aside: put it back, and say so.
    for (const InterruptedRewrite& rewrite : RecoverInterruptedRewrites(services_.files)) {
        services_.dialogs.Show(RecoveryMessage(rewrite));
    }
}

ColourScheme Sealboxfrm::LoadColourScheme() {
    const std::string& file = start_.commandLine;
    if (file.empty() || !IsOrdinaryFile(Utf8Path(file))) return DesignColours();
    try {
        return ReadColourScheme(Utf8Path(file), services_.files);
    } catch (const RunError& error) {
        // A damaged colour file is no reason not to open: say so, keep the design.
        services_.dialogs.ReportError(error);
        return DesignColours();
    }
}

void Sealboxfrm::ApplyColourScheme(const ColourScheme& scheme) {
    for (const SealboxControl box :
         {SealboxControl::Drive1, SealboxControl::Dir1, SealboxControl::File1,
          SealboxControl::Text1, SealboxControl::Text2}) {
        view_.SetBackAndForeColor(box, scheme[ColourScheme::kListBackground],
                                  scheme[ColourScheme::kListText]);
    }
    for (int index = 0; index < kButtonCount; ++index) {
        view_.SetCommand1BackColor(index, scheme[ColourScheme::kButtonBackground]);
    }
    for (const SealboxControl control : {SealboxControl::Form, SealboxControl::Label2}) {
        view_.SetBackAndForeColor(control, scheme[ColourScheme::kWindowBackground],
                                  scheme[ColourScheme::kWindowText]);
    }
    // Label1 keeps the colours it was drawn with, whatever the scheme.
    const ColourScheme design = DesignColours();
    view_.SetBackAndForeColor(SealboxControl::Label1, design[ColourScheme::kWindowBackground],
                              design[ColourScheme::kWindowText]);
}

void Sealboxfrm::OpenListsOnStartFolder() {
    // The program's folder where the product keeps its files; an installed
    // program's holds nothing of the user's.
    const std::filesystem::path& program = start_.program.folder;
    const std::string folder = NormalFolderPath(Utf8Text(
        IsProductFolder(program, services_.places) ? program : UserStartFolder(services_.places)));
    std::vector<std::string> drives = services_.volumes.MountPoints();
    const std::string drive = ListedDrive(drives, VolumeHolding(folder, drives));
    view_.ListDrive1(drives);
    // None was chosen: choosing one is a change.
    view_.SetDrive1(drive);
    Drive1_Change();
    if (policy_.Ended()) return;
    SetDir1Path(folder);
}

void Sealboxfrm::SetDir1Path(const std::string& folder) {
    const std::string path = NormalFolderPath(folder);
    view_.ShowDir1(ListFolder(path, services_.folders.Subfolders(path)));
    if (path == dir1Path_) return;
    dir1Path_ = path;
    Dir1_Change();
}

void Sealboxfrm::Drive1_Change() {
    policy_.Run([this] {
        const std::string drive = view_.Drive1();
        try {
            SetDir1Path(drive);
            view_.SetText1(drive);
        } catch (const RunError& error) {
            services_.dialogs.Show(MediumErrorMessage(error));
        }
    });
}

void Sealboxfrm::Dir1_Change() {
    policy_.Run([this] {
        view_.ShowFile1(services_.folders.OrdinaryFiles(dir1Path_));
        view_.SetText1(dir1Path_);
    });
}

void Sealboxfrm::File1_Click() {
    policy_.Run(
        [this] { view_.SetText1(WithTrailingSeparator(dir1Path_) + view_.File1Selected()); });
}

void Sealboxfrm::Command1_Click(int index) {
    policy_.Run([this, index] { Command1Clicked(index); });
}

void Sealboxfrm::Command1Clicked(int index) {
    if (index == kQuitButton) {
        policy_.End(0);
        return;
    }
    // After a box about a field the focus goes to that field, so that what the
    // user types next lands in it (on the clicked button a letter would be
    // another button's "&" letter).
    const std::string file = TypedFilePath(view_.Text1());
    if (!IsOrdinaryFile(Utf8Path(file))) {
        services_.dialogs.Show(FileNotFoundMessage(file));
        view_.GiveFocusTo(SealboxPart::Text1);
        return;
    }
    const std::string password = view_.Text2();
    if (password.empty()) {
        services_.dialogs.Show(kWhatPassword);
        view_.GiveFocusTo(SealboxPart::Text2);
        return;
    }
    std::string ansiPassword;
    try {
        ansiPassword = Utf8ToAnsi(password);
    } catch (const AnsiConversionError& error) {
        services_.dialogs.Show(error.what());
        view_.GiveFocusTo(SealboxPart::Text2);
        return;
    }
    const CipherMode mode = index == kEncipherButton ? CipherMode::Encipher : CipherMode::Decipher;
    if (RunTransform(file, ansiPassword, mode) == TransformResult::LeftUntouched) return;
    services_.endSound.Play();
    policy_.End(0);
}

TransformResult Sealboxfrm::RunTransform(const std::string& file, const std::string& password,
                                         CipherMode mode) {
    const EventPolicy::Hold busy = policy_.HoldEvents();
    ProgressBarFeed progress(view_);
    const TransformResult result = TransformFile(
        Utf8Path(file), password, mode, progress,
        [this](std::uint64_t lostBytes) { return services_.dialogs.ConfirmLoss(lostBytes); },
        services_.files);
    if (result == TransformResult::LeftUntouched) view_.ClearProgressBar1();
    return result;
}

void Sealboxfrm::OpenFolder(const std::string& folder) {
    policy_.Run([this, &folder] {
        // A folder that cannot be opened stays closed; the window goes on.
        if (const std::optional<RunError> error = ErrorEscaping([&] { SetDir1Path(folder); }))
            services_.dialogs.ReportError(*error);
    });
}

bool Sealboxfrm::CloseRequested() {
    if (policy_.Held()) return false;
    policy_.Run([this] { policy_.End(0); });
    return true;
}

}  // namespace vortalis::sealbox
