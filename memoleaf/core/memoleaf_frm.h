#pragma once

#include <filesystem>

#include "memoleaf/core/note_services.h"
#include "memoleaf/core/note_settings.h"
#include "memoleaf/core/note_window.h"
#include "runtime/process/program_location.h"

namespace vortalis::memoleaf {

// The sticky note's form: a rich-text box that opens on the clipboard's text,
// in the place, size, font and colours kept in the settings file, and one menu
// whose commands change the colours and the font or save and end.
class Memoleaf_frm {
  public:
    Memoleaf_frm(NoteWindow& window, ProgramLocation program, NoteServices services);

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

    const NoteSettings& Settings() const { return settings_; }
    // Whether leaving through the menu writes the settings file.
    bool SettingsChanged() const { return settingsChanged_; }
    const std::filesystem::path& SettingsPath() const { return settingsPath_; }

  private:
    void PutBackInterruptedRewrites();
    void ReadSettings();
    void PlaceWindow();
    void ApplyLayout();
    void ApplyNoteFont();
    void ApplyNoteColours();

    NoteWindow& window_;
    ProgramLocation program_;
    NoteServices services_;

    std::filesystem::path settingsPath_;
    NoteSettings settings_;
    bool settingsChanged_ = false;
};

}  // namespace vortalis::memoleaf
