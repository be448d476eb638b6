#pragma once

#include <string>

#include "runtime/errors/event_policy.h"
#include "runtime/process/program_location.h"
#include "sealbox/core/colour_scheme.h"
#include "sealbox/core/sealbox_services.h"
#include "sealbox/core/sealbox_view.h"
#include "sealbox/core/transform_file.h"

namespace vortalis::sealbox {

// The window's caption: a credit line.
inline constexpr const char* kCreditCaption =
    " [Dé]cryptage VORTALIS janvier 2003 sealbox@vortalis.example";

// What the program was started with.
struct SealboxStart {
    std::string commandLine;  // the colour file's path, or nothing
    ProgramLocation program;
};

// Sealbox's one form, `Sealboxfrm`: pick a file, type a password, encipher or
// decipher the file, then play the end sound and end. It reads and writes the
// window's controls through the view, and the view hands it their events. Each
// handler runs under the event policy itself (no event once the program has
// ended or while a file is being transformed; an error it does not trap is
// reported and ends the program with status 1), so that a window only calls it.
class Sealboxfrm {
  public:
    // Command1's buttons.
    static constexpr int kEncipherButton = 0;
    static constexpr int kDecipherButton = 1;
    static constexpr int kQuitButton = 2;
    static constexpr int kButtonCount = 3;

    Sealboxfrm(SealboxView& view, SealboxServices services, SealboxStart start);

    // Form_Load — colours, caption, the lists on the start folder, the end sound.
    // An error it does not trap leaves the program ended before its window shows.
    void Form_Load();
    // Drive1_Change — the folder list opens the chosen drive.
    void Drive1_Change();
    // Dir1_Change — the file list follows the folder list.
    void Dir1_Change();
    // File1_Click — the clicked file's path goes to Text1.
    void File1_Click();
    // Command1_Click — encipher (0), decipher (1) or quit (2).
    void Command1_Click(int index);

    // An entry opened in the folder list (double click, Enter), which the list
    // answers by itself: it opens that folder. One that cannot be read is
    // reported and the list stays where it was.
    void OpenFolder(const std::string& folder);
    // Whether the window may close: not in the middle of a transform. Closing it
    // ends the program.
    bool CloseRequested();

    bool Ended() const { return policy_.Ended(); }

  private:
    void LoadForm();
    void Command1Clicked(int index);
    void PutBackInterruptedRewrites();
    ColourScheme LoadColourScheme();
    void ApplyColourScheme(const ColourScheme& scheme);
    void OpenListsOnStartFolder();
    // Setting Dir1's path raises its change event when it is another one, as
    // the control does for a user's change. Throws RunError when the folder
    // cannot be read, and then the list shows what it showed.
    void SetDir1Path(const std::string& folder);
    TransformResult RunTransform(const std::string& file, const std::string& password,
                                 CipherMode mode);

    SealboxView& view_;
    SealboxServices services_;
    SealboxStart start_;
    EventPolicy policy_;    // held while a file is being transformed
    std::string dir1Path_;  // the folder Dir1 has open
};

}  // namespace vortalis::sealbox
