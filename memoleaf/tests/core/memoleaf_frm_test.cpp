#include "memoleaf/core/memoleaf_frm.h"

#include <gtest/gtest.h>

#include <memory>

#include "memoleaf/core/note_caption.h"
#include "memoleaf/core/note_menu.h"
#include "memoleaf/core/settings_file.h"
#include "memoleaf/tests/core/fake_note_services.h"
#include "memoleaf/tests/core/fake_note_window.h"
#include "runtime/tests/support/failing_file_system.h"
#include "runtime/tests/support/fake_user_places.h"
#include "runtime/tests/support/scoped_backup_folder.h"
#include "runtime/tests/support/temporary_folder.h"
#include "runtime/text/ansi_text.h"

namespace vortalis::memoleaf {
namespace {

using Colours = std::array<std::int32_t, 2>;

const std::string kArialNote = "150,300\r\n4500, 6000 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n";
const FontChoice kArial{"Arial", 9, false, false};
// System colour references: window background and window text.
constexpr auto kWindowBackground = static_cast<std::int32_t>(0x80000005u);
constexpr auto kWindowText = static_cast<std::int32_t>(0x80000008u);

// A form whose program lies in a fresh folder, over a window and services that
// the test sets and reads.
class MemoleafForm : public ::testing::Test {
  protected:
    MemoleafForm() {
        clipboard.text = "copié ailleurs";
        places.everyFolderWritable = true;  // the program's folder is its own
    }

    // Starts the note on `settingsText` as its settings file, or on none.
    void Load(const std::string& settingsText = {}) {
        if (!settingsText.empty()) WriteSettings(settingsText);
        form = std::make_unique<Memoleaf_frm>(
            window, ProgramLocation{folder.Path(), "Memoleaf", "Memoleaf"},
            NoteServices{dialogs, clipboard, session, fonts, places, *files});
        form->Form_Load();
    }

    void WriteSettings(const std::string& text) const {
        vortalis::testing::WriteBytes(settingsFile, {text.begin(), text.end()});
    }
    std::string SettingsText() const {
        const std::vector<std::uint8_t> bytes = vortalis::testing::ReadBytes(settingsFile);
        return {bytes.begin(), bytes.end()};
    }

    vortalis::testing::TemporaryFolder folder;
    std::filesystem::path settingsFile = folder / "Memoleaf.PRM";
    testing::FakeNoteWindow window;
    testing::FakeNoteDialogs dialogs;
    testing::FakeNoteClipboard clipboard;
    testing::FakeNoteSession session;
    testing::FakeScreenFonts fonts;
    vortalis::testing::FakeUserPlaces places;
    FileSystem* files = &SystemFiles();
    std::unique_ptr<Memoleaf_frm> form;
};

// Start-up

TEST_F(MemoleafForm, AFirstRunOpensOnTheClipboardInTheWindowsColoursAndTheFirstScreenFont) {
    const Colours designed = window.colours;
    Load();

    EXPECT_EQ(form->SettingsPath(), settingsFile);
    EXPECT_EQ(window.caption, AnsiToUtf8(kCaptionAnsi));
    EXPECT_EQ(window.text, "copié ailleurs");
    EXPECT_EQ(window.colours, designed);
    EXPECT_EQ(form->Settings().noteColours, designed);
    EXPECT_EQ(window.font, (FontChoice{"DejaVu Sans", 9, false, false}));
    EXPECT_EQ(window.outer, (DesktopRect{1, 1, 5000, 5000}));
    EXPECT_TRUE(form->SettingsChanged());
    EXPECT_TRUE(session.errors.empty());
    EXPECT_TRUE(session.messages.empty());
}

TEST_F(MemoleafForm, StoredSettingsComeBackOnTheWindowWithoutAskingForAWrite) {
    Load("150,300\r\n4500, 6000 \r\nDejaVu Serif,14,1,1\r\n 16711680 , 255 \r\n");

    EXPECT_EQ(window.outer, (DesktopRect{300, 150, 6000, 4500}));
    EXPECT_EQ(window.font, (FontChoice{"DejaVu Serif", 14, true, true}));
    EXPECT_EQ(window.colours, (Colours{16711680, 255}));
    EXPECT_FALSE(form->SettingsChanged());

    clipboard.text.clear();
    Load(kArialNote);
    EXPECT_EQ(window.text, "") << "an empty clipboard gives an empty note";
}

TEST_F(MemoleafForm, AFontSizeUnderOnePointShowsAtOnePointAndIsKept) {
    Load("150,300\r\n4500, 6000 \r\nArial,0,0,0\r\n 8454143 , 0 \r\n");
    EXPECT_EQ(window.font.size, 1);
    EXPECT_EQ(form->Settings().fontSize, 0);
}

TEST_F(MemoleafForm, SystemColourReferencesReachTheWindowAndTheFileUnchanged) {
    Load("0,0\r\n4995, 4995 \r\nArial,9,0,0\r\n-2147483643 ,-2147483640 \r\n");
    EXPECT_EQ(window.colours, (Colours{kWindowBackground, kWindowText}));

    form->cou_Click();
    EXPECT_TRUE(SettingsText().ends_with("\r\n-2147483643 ,-2147483640 \r\n"));
}

TEST_F(MemoleafForm, ADamagedFileIsReportedThenTheNoteOpensOnTheDefaultsAndQuittingMendsIt) {
    Load("0,0\r\n4995, 4995 \r\nArial\r\n");

    ASSERT_EQ(session.errors.size(), 1u);
    EXPECT_EQ(session.errors[0].Number(), run_error::kInputPastEnd);
    EXPECT_NE(session.errors[0].Description().find(settingsFile.string()), std::string::npos);
    EXPECT_EQ(window.font.name, "DejaVu Sans");
    EXPECT_EQ(window.outer, (DesktopRect{1, 1, 5000, 5000}));
    EXPECT_TRUE(form->SettingsChanged());

    form->qui_Click();
    EXPECT_FALSE(LoadSettings(settingsFile, "x", 0, 0).damage);
}

TEST_F(MemoleafForm, ASaveKilledHalfWayIsPutBackBeforeTheSettingsAreReadAndTheUserTold) {
    if (!vortalis::testing::CreationTimeSurvivesRewrites())
        GTEST_SKIP() << "this system moves a file's creation time when it is rewritten (Wine)";
    vortalis::testing::ScopedBackupFolder backups;
    const std::string stored = "10,20\r\n3000, 4000 \r\nArial,11,1,0\r\n 255 , 0 \r\n";
    backups.LeaveInterruptedRewrite(settingsFile, {stored.begin(), stored.end()}, {'9', ','});

    Load();

    ASSERT_EQ(session.messages.size(), 1u);
    EXPECT_NE(session.messages[0].find(settingsFile.string()), std::string::npos);
    EXPECT_TRUE(session.errors.empty());
    EXPECT_EQ(window.font, (FontChoice{"Arial", 11, true, false}));
    EXPECT_EQ(SettingsText(), stored);
}

TEST_F(MemoleafForm, PlacesTheWindowWhereItWasUnlessNoScreenShowsAnyOfIt) {
    Load("-600,-1500\r\n3000, 4500 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n");
    EXPECT_EQ(window.outer, (DesktopRect{-1500, -600, 4500, 3000})) << "partly off the screen";

    Load("-90000,500000\r\n3000, 4500 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n");
    EXPECT_EQ(window.outer, (DesktopRect{0, 600, 4500, 3000})) << "on a screen that has gone";

    Load("0.1,0\r\n4500, 6000 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n");
    EXPECT_EQ(window.outer.top, static_cast<double>(0.1f)) << "in single precision";
}

// Layout

TEST_F(MemoleafForm, EveryResizeLaysOutTheTextBoxFromTheOuterSizeAndAsksForAWrite) {
    Load(kArialNote);
    window.outer = {0, 0, 5000, 5000};
    form->Form_Resize();
    EXPECT_EQ(window.textBox, (TextAreaSize{4250, 4650}));
    EXPECT_TRUE(form->SettingsChanged());

    window.outer.height = 800;
    form->Form_Resize();
    EXPECT_EQ(window.textBox.height, 4250) << "too low: the height stays";
    window.outer.height = 810;
    form->Form_Resize();
    EXPECT_EQ(window.textBox.height, 60);
}

// Quitting

TEST_F(MemoleafForm, QuittingWritesTheWindowsPresentGeometryAndEnds) {
    Load();
    window.outer = {-60, 1200, 4995, 4500};
    form->qui_Click();

    EXPECT_EQ(session.ends, 1);
    const std::string colours = " " + std::to_string(window.colours[0]) + " , " +
                                std::to_string(window.colours[1]) + " \r\n";
    EXPECT_EQ(SettingsText(), "1200,-60\r\n4500, 4995 \r\nDejaVu Sans,9,0,0\r\n" + colours);
}

TEST_F(MemoleafForm, WithoutAChangeQuittingWritesNothing) {
    Load(kArialNote);
    window.outer = {0, 0, 3000, 3000};
    form->qui_Click();
    EXPECT_EQ(session.ends, 1);
    EXPECT_EQ(SettingsText(), kArialNote);
}

TEST_F(MemoleafForm, CuttingSavesAndEndsAsQuittingDoes) {
    Load(kArialNote);
    form->Form_Resize();
    window.outer = {15, 30, 4500, 6000};
    form->cou_Click();
    EXPECT_EQ(session.ends, 1);
    EXPECT_EQ(SettingsText(), "30,15\r\n6000, 4500 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n");
}

TEST_F(MemoleafForm, AFailedSaveIsReportedAndTheEndComesAllTheSame) {
    vortalis::testing::FailingFileSystem full(
        vortalis::testing::FailingFileSystem::Operation::CreateTemporary,
        std::errc::no_space_on_device);
    files = &full;
    Load(kArialNote);
    form->Form_Resize();
    form->qui_Click();

    ASSERT_EQ(session.errors.size(), 1u);
    EXPECT_EQ(session.errors[0].Number(), run_error::kDiskFull);
    EXPECT_EQ(session.ends, 1);
    EXPECT_EQ(session.exitCode, 0);
    EXPECT_EQ(SettingsText(), kArialNote);
}

TEST_F(MemoleafForm, ClosingTheWindowEndsTheNoteAndWritesNothingNotEvenAChange) {
    Load(kArialNote);
    dialogs.colourAnswer = 0x00FF00;
    form->cou1_Click(kBackgroundColour);
    form->Form_Unload();

    EXPECT_EQ(session.ends, 1);
    EXPECT_EQ(session.exitCode, 0);
    EXPECT_EQ(SettingsText(), kArialNote);
}

// Errors no handler traps

TEST_F(MemoleafForm, AnUntrappedErrorIsReportedAndEndsTheNoteWithStatusOneAfterWhichNothingRuns) {
    Load(kArialNote);
    form->Form_Resize();
    window.selection = "copié";
    clipboard.failure = RunError(run_error::kOutOfMemory);
    form->cop_Click();

    ASSERT_EQ(session.errors.size(), 1u);
    EXPECT_EQ(session.errors[0].Number(), run_error::kOutOfMemory);
    EXPECT_EQ(session.ends, 1);
    EXPECT_EQ(session.exitCode, 1);
    EXPECT_TRUE(form->Ended());

    form->qui_Click();
    form->Form_Unload();
    EXPECT_EQ(session.ends, 1);
    EXPECT_EQ(SettingsText(), kArialNote) << "the end came before the menu's save";

    // At start-up, before the window is shown: the caller sees the end.
    Load();
    EXPECT_TRUE(form->Ended());
    EXPECT_EQ(session.errors.size(), 2u);
}

// The menu

TEST_F(MemoleafForm, EachMenuCommandRunsTheHandlerItsCaptionNames) {
    std::vector<std::string> ran;
    const auto addMenu = [](std::string path, const NoteMenuEntry& menu) {
        return path + menu.caption + ">";
    };
    const auto runCommand = [&](const std::string& path, const NoteMenuEntry& entry) {
        Load(kArialNote);
        window.selection = "copié";
        clipboard.text.clear();
        dialogs.colourTitles.clear();
        dialogs.fontsOffered.clear();
        session.ends = 0;
        entry.run(*form);
        const std::string what = !clipboard.text.empty()         ? "copie"
                                 : !dialogs.colourTitles.empty() ? dialogs.colourTitles[0]
                                 : !dialogs.fontsOffered.empty() ? "police"
                                 : session.ends == 1             ? "fin"
                                                                 : "rien";
        ran.push_back(path + entry.caption + "|" + ShortcutText(entry) + " " + what);
    };
    for (const NoteMenuEntry& menu : NoteMenuBar()) {
        AddNoteMenuEntries(addMenu("", menu), menu, addMenu, runCommand);
    }

    EXPECT_EQ(
        ran, (std::vector<std::string>{
                 "&Ordres>&Copier|Ctrl+C copie", "&Ordres>c&Ouleur>du &Fond|Ctrl+F Couleur du fond",
                 "&Ordres>c&Ouleur>du &Texte|Ctrl+T Couleur du texte",
                 "&Ordres>changer la &Police|Ctrl+P police", "&Ordres>&Quitter|Ctrl+Q fin",
                 "&Ordres>co&Uper|Ctrl+X fin"}));
}

// Colours

TEST_F(MemoleafForm, AChosenColourChangesItsOwnEntryOnly) {
    Load(kArialNote);
    dialogs.colourAnswer = 0x00FF00;
    form->cou1_Click(kBackgroundColour);
    EXPECT_EQ(dialogs.coloursOffered, std::vector<std::int32_t>{8454143});
    EXPECT_EQ(form->Settings().noteColours, (Colours{0x00FF00, 0}));
    EXPECT_EQ(window.colours, (Colours{0x00FF00, 0}));
    EXPECT_TRUE(form->SettingsChanged());

    dialogs.colourAnswer = 0x0000FF;
    form->cou1_Click(kTextColour);
    EXPECT_EQ(dialogs.coloursOffered, (std::vector<std::int32_t>{8454143, 0}));
    EXPECT_EQ(form->Settings().noteColours, (Colours{0x00FF00, 0xFF}));
    EXPECT_EQ(window.colours, (Colours{0x00FF00, 0xFF}));
    EXPECT_EQ(dialogs.colourTitles,
              (std::vector<std::string>{"Couleur du fond", "Couleur du texte"}));
}

TEST_F(MemoleafForm, ACancelledColourChangesNothingButStillAsksForAWrite) {
    Load(kArialNote);
    form->cou1_Click(kTextColour);
    EXPECT_EQ(form->Settings().noteColours, (Colours{8454143, 0}));
    EXPECT_EQ(window.colours, (Colours{8454143, 0}));
    EXPECT_TRUE(form->SettingsChanged());
}

// Font

TEST_F(MemoleafForm, AChosenFontIsRoundedToWholePointsHalvesToEven) {
    Load(kArialNote);
    dialogs.fontAnswer = FontChoice{"DejaVu Serif", 10.5, true, false};
    form->pol_Click();
    EXPECT_EQ(dialogs.fontsOffered.at(0), kArial);
    EXPECT_EQ(form->Settings().fontName, "DejaVu Serif");
    EXPECT_EQ(form->Settings().fontSize, 10);
    EXPECT_TRUE(form->Settings().fontBold);
    EXPECT_FALSE(form->Settings().fontItalic);
    EXPECT_EQ(window.font, (FontChoice{"DejaVu Serif", 10, true, false}));
    EXPECT_TRUE(form->SettingsChanged());

    dialogs.fontAnswer = FontChoice{"DejaVu Sans", 11.5, false, true};
    form->pol_Click();
    EXPECT_EQ(dialogs.fontsOffered.at(1), (FontChoice{"DejaVu Serif", 10, true, false}));
    EXPECT_EQ(form->Settings().fontSize, 12);
    EXPECT_EQ(window.font, (FontChoice{"DejaVu Sans", 12, false, true}));
}

TEST_F(MemoleafForm, ACancelledFontKeepsTheNoteFontButStillAsksForAWrite) {
    Load(kArialNote);
    const NoteSettings before = form->Settings();
    form->pol_Click();
    EXPECT_EQ(form->Settings(), before);
    EXPECT_EQ(window.font, kArial);
    EXPECT_TRUE(form->SettingsChanged());
}

TEST_F(MemoleafForm, AFontNameTheFileCannotHoldIsRefusedWithAMessage) {
    Load(kArialNote);
    dialogs.fontAnswer = FontChoice{"Noto Sans 日本", 12, true, false};
    form->pol_Click();
    ASSERT_EQ(session.messages.size(), 1u);
    EXPECT_TRUE(session.messages[0].ends_with(" La police reste inchangée."));
    EXPECT_EQ(form->Settings().fontName, "Arial");
    EXPECT_EQ(form->Settings().fontSize, 9);
    EXPECT_EQ(window.font, kArial);
}

// Copy

TEST_F(MemoleafForm, CopyPutsTheSelectionOnTheClipboardAndLeavesItAloneWithoutOne) {
    Load(kArialNote);
    window.selection = "copié";
    clipboard.text.clear();
    form->cop_Click();
    EXPECT_EQ(clipboard.text, "copié");

    window.selection.clear();
    form->cop_Click();
    EXPECT_EQ(clipboard.text, "copié");
    EXPECT_EQ(session.ends, 0);
}

}  // namespace
}  // namespace vortalis::memoleaf
