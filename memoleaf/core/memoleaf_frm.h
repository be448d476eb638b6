#pragma once

#include <filesystem>

#include "memoleaf/core/note_services.h"
#include "memoleaf/core/note_settings.h"
#include "memoleaf/core/note_window.h"
#include "runtime/errors/event_policy.h"
#include "runtime/process/program_location.h"

namespace vortalis::memoleaf {

// The sticky note's form: a rich-text box that opens on the clipboard's text,
// in the place, size, font and colours kept in the settings file, and one menu
// whose commands change the colours and the font or save and end. Every handler
// runs under the programs' event policy: none once the note has ended, and an
// error it does not trap is reported, then the note ends with status 1.
class Memoleaf_frm {
  public:
    Memoleaf_frm(NoteWindow& window, ProgramLocation program, NoteServices services);
    // Its event policy answers through the form itself.
    Memoleaf_frm(const Memoleaf_frm&) = delete;
    Memoleaf_frm& operator=(const Memoleaf_frm&) = delete;

    // Start-up, run once before the window is first shown.
    void Form_Load();
    // Every change of the window's size, its first showing included.
    void Form_Resize();

    // The menu entries: `cop` copies, `cou1` picks the background (index 0)
    // or the text colour (index 1), `pol` the font; `qui` and `cou` save the
    // settings and end.
    void cop_Click();
    void cou1_Click(int Index);
    void pol_Click();
    void qui_Click();
    void cou_Click();
    // The window closed other than through the menu (its close box, Alt+F4,
    // the system menu): the note ends and writes nothing.
    void Form_Unload();

    // Whether the note has ended: through the menu, its closing or an error.
    bool Ended() const { return policy_.Ended(); }

    const NoteSettings& Settings() const { return settings_; }
    // Whether leaving through the menu writes the settings file.
    bool SettingsChanged() const { return settingsChanged_; }
    const std::filesystem::path& SettingsPath() const { return settingsPath_; }

  private:
    void Load();
    void PutBackInterruptedRewrites();
    void ReadSettings();
    void PlaceWindow();
    void ApplyLayout();
    void ApplyNoteFont();
    void ApplyNoteColours();
    void CopySelection();
    void ChooseColour(int index);
    void ChooseFont();
    void SaveAndEnd();

    NoteWindow& window_;
    ProgramLocation program_;
    NoteServices services_;
    EventPolicy policy_;

    std::filesystem::path settingsPath_;
    NoteSettings settings_;
    bool settingsChanged_ = false;
};

}  // namespace vortalis::memoleaf
