#include "sealbox/core/sealbox_frm.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "cipher/tests/one_call_cipher.h"
#include "runtime/tests/support/failing_file_system.h"
#include "runtime/tests/support/scoped_backup_folder.h"
#include "runtime/tests/support/temporary_folder.h"
#include "runtime/text/utf8_path.h"
#include "sealbox/core/transform_file.h"
#include "sealbox/tests/core/colour_file.h"
#include "sealbox/tests/core/fake_sealbox_services.h"
#include "sealbox/tests/core/fake_sealbox_view.h"

namespace vortalis::sealbox {
namespace {

using namespace testing;  // the shared test helpers
using Names = std::vector<std::string>;

// A star is an ordinary character of a name, where the system allows one.
#ifdef _WIN32
constexpr const char* kStarredName = "a-b.doc";
#else
constexpr const char* kStarredName = "a*b.doc";
#endif

// The controls a scheme colours, in the order the window takes them.
Names Painted(const ColourScheme& scheme) {
    const auto colour = [&scheme](ColourScheme::Index index) {
        return std::to_string(scheme[index]);
    };
    Names painted;
    for (const char* box : {"Drive1", "Dir1", "File1", "Text1", "Text2"}) {
        painted.push_back(std::string(box) + ".BackColor=" + colour(ColourScheme::kListBackground));
        painted.push_back(std::string(box) + ".ForeColor=" + colour(ColourScheme::kListText));
    }
    for (int button = 0; button < Sealboxfrm::kButtonCount; ++button) {
        painted.push_back("Command1(" + std::to_string(button) +
                          ").BackColor=" + colour(ColourScheme::kButtonBackground));
    }
    for (const char* window : {"Form", "Label2"}) {
        painted.push_back(std::string(window) +
                          ".BackColor=" + colour(ColourScheme::kWindowBackground));
        painted.push_back(std::string(window) + ".ForeColor=" + colour(ColourScheme::kWindowText));
    }
    // Label1 in its design colours, whatever the scheme.
    const ColourScheme design = DesignColours();
    painted.push_back("Label1.BackColor=" +
                      std::to_string(design[ColourScheme::kWindowBackground]));
    painted.push_back("Label1.ForeColor=" + std::to_string(design[ColourScheme::kWindowText]));
    return painted;
}

// One form over faked services and a faked window.
class SealboxForm : public ::testing::Test, protected testing::FakeSealboxServices {
  protected:
    Sealboxfrm& Open(const std::string& commandLine = "", FileSystem& files = SystemFiles()) {
        form = std::make_unique<Sealboxfrm>(view, Services(files), Start(commandLine));
        form->Form_Load();
        return *form;
    }
    // Runs a handler as the window's events do.
    void Raise(void (Sealboxfrm::*handler)()) { (form.get()->*handler)(); }
    void Click(int button, const std::filesystem::path& file, const std::string& password) {
        ClickTyped(button, file.string(), password);
    }
    // Text1 and Text2 as the user typed them, then the button.
    void ClickTyped(int button, const std::string& text1, const std::string& password) {
        view.text1 = text1;
        view.text2 = password;
        form->Command1_Click(button);
    }

    testing::FakeSealboxView view;
    std::unique_ptr<Sealboxfrm> form;
};

// Start-up: what the window shows when it opens.

TEST_F(SealboxForm, OpensTheListsOnTheProgramsFolderAndNamesTheEndSound) {
    Open();

    EXPECT_EQ(view.drives, volumes.mountPoints);
    EXPECT_EQ(view.drive, Shown(folder.Path()));
    EXPECT_EQ(view.dir1, Shown(program));
    EXPECT_EQ(view.subfolders, Names{"donnees"});
    EXPECT_EQ(view.files, Names{"lisez-moi.txt"});
    EXPECT_EQ(view.text1, Shown(program));
    EXPECT_EQ(sound.file, program / "Sealfin.WAV");
    EXPECT_EQ(view.caption, " [Dé]cryptage VORTALIS janvier 2003 sealbox@vortalis.example");
    EXPECT_TRUE(dialogs.seen.empty());
    EXPECT_FALSE(form->Ended());
}

TEST_F(SealboxForm, AnInstalledSealboxOpensOnTheUsersHomeAndStillFindsItsEndSound) {
    places.everyFolderWritable = false;  // an installed program
    places.environment["HOME"] = (folder / "maison").string();
    folders.folders[Shown(folder / "maison")] = {{}, {"lettre.txt"}};

    Open();

    EXPECT_EQ(view.dir1, Shown(folder / "maison"));
    EXPECT_EQ(view.files, Names{"lettre.txt"});
    EXPECT_EQ(view.text1, Shown(folder / "maison"));
    EXPECT_EQ(sound.file, program / "Sealfin.WAV");
}

TEST_F(SealboxForm, AStartFolderOnNoListedVolumeAddsItsRootToTheDrives) {
    const std::string root = Shown(program.root_path());
    volumes.mountPoints = {Shown(folder / "ailleurs")};
    folders.folders[root] = {};

    Open();

    EXPECT_EQ(view.drives, (Names{Shown(folder / "ailleurs"), root}));
    EXPECT_EQ(view.drive, root);
    EXPECT_EQ(view.dir1, Shown(program));
    EXPECT_TRUE(dialogs.seen.empty());
}

// The lists' change events raised by the start run under the policy too: the
// program ends before its window shows, and main returns 1.
TEST_F(SealboxForm, AStartFolderWhoseFilesCannotBeListedEndsTheProgramAtLoad) {
    folders.filesUnreadable.insert(Shown(program));

    Open();

    EXPECT_EQ(dialogs.seen, Names{"Erreur 70"});
    EXPECT_TRUE(form->Ended());
    EXPECT_EQ(end.exitCode, std::optional<int>(1));
    EXPECT_TRUE(view.hidden);
    form->Command1_Click(Sealboxfrm::kQuitButton);
    EXPECT_EQ(end.exitCode, std::optional<int>(1));
}

TEST_F(SealboxForm, PutsBackAFileLeftHalfRewrittenAndSaysSo) {
#ifdef _WIN32  // the probe takes seconds, and only Wine fails it
    if (!testing::CreationTimeSurvivesRewrites())
        GTEST_SKIP() << "this system moves a file's creation time when it is rewritten (Wine)";
#endif
    testing::ScopedBackupFolder backups;
    const auto file = program / "lettre.txt";
    const Bytes original = SampleBytes(2000);
    backups.LeaveInterruptedRewrite(file, original, SampleBytes(900, 2));

    Open();

    EXPECT_EQ(ReadBytes(file), original);
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_NE(dialogs.seen[0].find(file.string()), std::string::npos);
    EXPECT_TRUE(backups.Entries().empty());
}

TEST_F(SealboxForm, TakesItsColoursFromFieldsTwentyOneToTwentyFiveOfTheCommandLinesFile) {
    const auto scheme = folder / "couleurs.ini";
    testing::WriteColourFile(scheme, "8454143,255,16711680,65280,-2147483643");

    Open(scheme.string());

    EXPECT_EQ(view.painted, Painted({{8454143, 255, 16711680, 65280, -2147483643}}));
    EXPECT_TRUE(dialogs.seen.empty());
}

TEST_F(SealboxForm, WithoutAColourFileTheDesignColoursArePaintedOnceMore) {
    for (const std::string commandLine : {"", "/nulle/part/couleurs.ini"}) {
        SCOPED_TRACE(commandLine);
        view.painted.clear();
        Open(commandLine);
        EXPECT_EQ(view.painted, Painted(DesignColours()));
        EXPECT_TRUE(dialogs.seen.empty());
    }
}

TEST_F(SealboxForm, ADamagedColourFileIsReportedAndTheWindowOpensInItsDesignColours) {
    const auto scheme = folder / "couleurs.ini";
    testing::WriteColourFile(scheme, "1,2,3");

    Open(scheme.string());

    EXPECT_EQ(dialogs.seen, Names{"Erreur 62"});
    EXPECT_EQ(view.painted, Painted(DesignColours()));
    EXPECT_EQ(view.dir1, Shown(program));
    EXPECT_FALSE(form->Ended());
}

// The lists: a drive, a folder and a file chosen.

TEST_F(SealboxForm, ClickingAFileNamesItWithOneSeparatorEvenInARootFolder) {
    Open();
    view.selectedFile = "lisez-moi.txt";
    Raise(&Sealboxfrm::File1_Click);
    EXPECT_EQ(view.text1, Shown(program / "lisez-moi.txt"));

    const std::filesystem::path root = program.root_path();
    folders.folders[Shown(root)] = {{"home"}, {"boot.ini"}};
    form->OpenFolder(root.string());
    EXPECT_EQ(view.text1, Shown(root));
    EXPECT_EQ(view.files, Names{"boot.ini"});
    view.selectedFile = "boot.ini";
    Raise(&Sealboxfrm::File1_Click);
    EXPECT_EQ(view.text1, Shown(root / "boot.ini"));
}

TEST_F(SealboxForm, ChoosingADriveNamesItInText1EvenWhenItsFolderIsOpen) {
    Open();
    form->OpenFolder(folder.Path().string());
    view.text1 = "tapé à la main";

    view.drive = Shown(folder.Path());
    Raise(&Sealboxfrm::Drive1_Change);

    EXPECT_EQ(view.text1, Shown(folder.Path()));
    EXPECT_TRUE(dialogs.seen.empty());
}

TEST_F(SealboxForm, ADriveThatCannotBeReadIsReportedAndChangesNothingElse) {
    const std::string gone = Shown(folder / "demonte");
    volumes.mountPoints.push_back(gone);
    Open();

    view.drive = gone;
    Raise(&Sealboxfrm::Drive1_Change);

    EXPECT_EQ(dialogs.seen,
              Names{"Erreur support : 76" + std::string(17, ' ') + "Chemin d'accès introuvable"});
    EXPECT_EQ(view.drive, gone);
    EXPECT_EQ(view.dir1, Shown(program));
    EXPECT_EQ(view.files, Names{"lisez-moi.txt"});
    EXPECT_EQ(view.text1, Shown(program));
    EXPECT_FALSE(form->Ended());
}

TEST_F(SealboxForm, AFolderThatCannotBeOpenedIsReportedAndTheListStaysWhereItWas) {
    Open();

    form->OpenFolder(Shown(program / "disparu"));
    EXPECT_EQ(dialogs.seen, Names{"Erreur 76"});
    EXPECT_EQ(view.dir1, Shown(program));
    EXPECT_FALSE(form->Ended());

    form->OpenFolder(folder.Path().string());
    EXPECT_EQ(view.dir1, Shown(folder.Path()));
    EXPECT_EQ(view.files, Names{"racine.txt"});
    EXPECT_EQ(view.text1, Shown(folder.Path()));
}

TEST_F(SealboxForm, OpeningTheOpenFolderAgainIsNoChange) {
    Open();
    view.text1 = "tapé à la main";

    form->OpenFolder(program.string() + "/");

    EXPECT_EQ(view.dir1, Shown(program));
    EXPECT_EQ(view.text1, "tapé à la main");
    EXPECT_TRUE(dialogs.seen.empty());
}

TEST_F(SealboxForm, AFolderWhoseFilesCannotBeListedEndsTheProgramWithTheReport) {
    Open();
    folders.folders[Shown(folder / "prive")] = {};
    folders.filesUnreadable.insert(Shown(folder / "prive"));

    form->OpenFolder((folder / "prive").string());

    EXPECT_EQ(dialogs.seen, Names{"Erreur 70"});
    EXPECT_EQ(end.exitCode, std::optional<int>(1));
    EXPECT_TRUE(view.hidden);
}

// Command1: the checks, the transform and the end.

TEST_F(SealboxForm, ChecksTheFileBeforeThePasswordAndEachCheckKeepsTheWindowOpen) {
    const auto file = program / "lettre.txt";
    const Bytes plain = SampleBytes(2000);
    WriteBytes(file, plain);
    WriteBytes(program / ".cachee", plain);
    std::vector<std::filesystem::path> noFiles = {"", program / "absent.txt", program,
                                                  program / "*.txt"};
#ifndef _WIN32  // hidden by its name here; on Windows, by an attribute
    noFiles.push_back(program / ".cachee");
#endif
    Open();

    // Both boxes empty first: only the file is reported.
    for (std::size_t i = 0; i < noFiles.size(); ++i)
        Click(static_cast<int>(i % 2), noFiles[i], i == 0 ? "" : "clef");
    Click(1, file, "");

    Names expected = {"Fichier non trouvé"};
    for (std::size_t i = 1; i < noFiles.size(); ++i)
        expected.push_back("Fichier non trouvé\u00A0: «\u00A0" + noFiles[i].string() + "\u00A0»");
    expected.push_back("quel est le mot de passe ?");
    EXPECT_EQ(dialogs.seen, expected);
    EXPECT_FALSE(form->Ended());
    EXPECT_EQ(sound.plays, 0);
    EXPECT_EQ(view.progressValuesSet, 0);
    EXPECT_EQ(ReadBytes(file), plain);
}

// On the clicked button a letter typed next would be another button's "&" letter.
TEST_F(SealboxForm, AfterABoxAboutAFieldTheFocusGoesToThatField) {
    const auto file = program / "lettre.txt";
    WriteBytes(file, SampleBytes(100));
    Open();

    Click(0, program / "absent.txt", "clef");
    Click(1, file, "");
    Click(0, file, "clé✓");

    EXPECT_EQ(dialogs.seen.size(), 3u);
    EXPECT_EQ(view.focused, (std::vector<SealboxPart>{SealboxPart::Text1, SealboxPart::Text2,
                                                      SealboxPart::Text2}));
    EXPECT_FALSE(form->Ended());
    EXPECT_EQ(ReadBytes(file), SampleBytes(100));
}

// The explorer's "Copy as path" gives the path in double quotes.
TEST_F(SealboxForm, APathInDoubleQuotesIsCheckedAndEncipheredAsThePathInsideThem) {
    const Bytes plain = SampleBytes(5000);
    const auto file = program / Utf8Path("lettre d'Hélène.txt");
    WriteBytes(file, plain);
    const std::string absent = Shown(program / "absent.txt");
    Open();

    ClickTyped(0, "\"" + absent + "\"", "clef");
    ClickTyped(0, "\"" + Shown(file) + "\"", "");
    EXPECT_EQ(dialogs.seen, (Names{"Fichier non trouvé\u00A0: «\u00A0" + absent + "\u00A0»",
                                   "quel est le mot de passe ?"}));
    EXPECT_FALSE(form->Ended());

    ClickTyped(0, "\"" + Shown(file) + "\"", "clef");
    EXPECT_EQ(ReadBytes(file), testing::CipherInOneCall("clef", CipherMode::Encipher, plain));
    EXPECT_EQ(sound.plays, 1);
    EXPECT_EQ(end.exitCode, std::optional<int>(0));
}

TEST_F(SealboxForm, QuitEndsAtOnceEvenWithBothBoxesEmpty) {
    Open();

    Click(Sealboxfrm::kQuitButton, "", "");
    EXPECT_EQ(end.exitCode, std::optional<int>(0));
    EXPECT_TRUE(view.hidden);
    EXPECT_TRUE(dialogs.seen.empty());
    EXPECT_EQ(sound.plays, 0);

    Click(0, "", "");  // nothing runs once ended
    EXPECT_TRUE(dialogs.seen.empty());
}

TEST_F(SealboxForm, EnciphersAsTheCipherDoesFillsTheBarAndEndsWithTheSound) {
    const Bytes plain = SampleBytes(5000);
    const auto file = folder / kStarredName;
    WriteBytes(file, plain);
    Open();

    Click(0, file, "mot de passe");

    EXPECT_EQ(ReadBytes(file),
              testing::CipherInOneCall("mot de passe", CipherMode::Encipher, plain));
    EXPECT_EQ(view.progressMinimum, 1);
    EXPECT_EQ(view.progressMaximum, 5000 / 512 + 2);
    EXPECT_EQ(view.progressValue, view.progressMaximum);
    EXPECT_EQ(sound.plays, 1);
    EXPECT_EQ(end.exitCode, std::optional<int>(0));
    EXPECT_TRUE(view.hidden);
}

TEST_F(SealboxForm, DeciphersUnderThePasswordsWindowsBytes) {
    const Bytes plain = SampleBytes(5000);
    const auto file = folder / kStarredName;
    WriteBytes(file, testing::CipherInOneCall("cl\xE9", CipherMode::Encipher, plain));
    Open();

    Click(1, file, "clé");  // typed in UTF-8

    EXPECT_EQ(ReadBytes(file), plain);
    EXPECT_EQ(sound.plays, 1);
}

TEST_F(SealboxForm, APasswordCharacterWithoutAWindowsCodeIsRefused) {
    const auto file = program / "lettre.txt";
    WriteBytes(file, SampleBytes(100));
    Open();

    Click(0, file, "clé✓");

    EXPECT_EQ(dialogs.seen.size(), 1u);
    EXPECT_FALSE(form->Ended());
    EXPECT_EQ(ReadBytes(file), SampleBytes(100));
}

TEST_F(SealboxForm, Bytes255AreEncipheredOnlyOnceTheUserSaysSo) {
    const auto file = program / "image.bmp";
    const Bytes plain(3000, 255);
    WriteBytes(file, plain);
    Open();

    Click(0, file, "clef");  // answered "Non": the window goes on
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_TRUE(dialogs.seen[0].starts_with("? "));
    EXPECT_EQ(ReadBytes(file), plain);
    EXPECT_TRUE(view.progressCleared);
    EXPECT_EQ(sound.plays, 0);
    EXPECT_FALSE(form->Ended());

    dialogs.goOn = true;
    Click(0, file, "clef");
    EXPECT_EQ(dialogs.seen.size(), 2u);
    EXPECT_EQ(ReadBytes(file), testing::CipherInOneCall("clef", CipherMode::Encipher, plain));
    EXPECT_EQ(sound.plays, 1);
    EXPECT_EQ(end.exitCode, std::optional<int>(0));
}

TEST_F(SealboxForm, AFailurePartWayIsReportedEndsTheProgramAndLeavesTheFileWhole) {
    const auto file = program / "base.mdb";
    const Bytes plain = SampleBytes(kTransformChunkBytes * 7 / 2);  // several chunks
    WriteBytes(file, plain);
    testing::FailingFileSystem full(testing::FailingFileSystem::Operation::WriteAt,
                                    std::errc::no_space_on_device, 2);
    Open("", full);

    Click(0, file, "clef");

    EXPECT_EQ(dialogs.seen, Names{"Erreur 61"});
    EXPECT_EQ(end.exitCode, std::optional<int>(1));
    EXPECT_EQ(sound.plays, 0);
    EXPECT_EQ(ReadBytes(file), plain);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(SealboxForm, DuringATransformClicksAreIgnoredAndTheWindowWillNotClose) {
    const auto file = program / "lettre.txt";
    const Bytes plain = SampleBytes(5000);
    WriteBytes(file, plain);
    Open();
    std::vector<bool> closed;
    view.onProgress = [this, &closed] {
        Click(Sealboxfrm::kQuitButton, "", "");
        closed.push_back(form->CloseRequested() || form->Ended());
    };

    Click(0, file, "clef");

    ASSERT_FALSE(closed.empty());
    EXPECT_EQ(std::count(closed.begin(), closed.end(), true), 0);
    EXPECT_EQ(ReadBytes(file), testing::CipherInOneCall("clef", CipherMode::Encipher, plain));
    EXPECT_EQ(sound.plays, 1);
}

// A share as slow as a distant one: a call of the kind named returns only once
// the window has had a turn meanwhile, or after five seconds, a stall.
struct SlowShare : FileSystem {
    enum class Call { None, ReadAt, WriteAt, Flush };
    std::atomic<Call> slow = Call::None;
    std::atomic<int> stalls = 0;
    const std::atomic<int>* turns = nullptr;

    void Take(Call call) {
        const int before = *turns;
        for (int waited = 0; call == slow && *turns == before; ++waited) {
            if (waited == 5000) return void(++stalls);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    std::error_code ReadAt(Handle handle, std::uint64_t offset, std::span<std::uint8_t> bytes,
                           std::size_t& count) override {
        Take(Call::ReadAt);
        return FileSystem::ReadAt(handle, offset, bytes, count);
    }
    std::error_code WriteAt(Handle handle, std::uint64_t offset,
                            std::span<const std::uint8_t> bytes) override {
        Take(Call::WriteAt);
        return FileSystem::WriteAt(handle, offset, bytes);
    }
    std::error_code Flush(Handle handle) override {
        Take(Call::Flush);
        return FileSystem::Flush(handle);
    }
};

TEST_F(SealboxForm, OnASlowShareTheWindowHasItsTurnsWhileAReadAWriteOrTheFlushLasts) {
    const auto file = program / "film.avi";
    const Bytes plain = SampleBytes(kTransformChunkBytes * 3 / 2);  // two chunks
    for (const auto slow :
         {SlowShare::Call::ReadAt, SlowShare::Call::WriteAt, SlowShare::Call::Flush}) {
        WriteBytes(file, plain);
        SlowShare share;
        share.turns = &view.nonInputTurns;
        Open("", share);
        share.slow = slow;

        Click(0, file, "clef");

        EXPECT_EQ(share.stalls, 0) << static_cast<int>(slow);
        EXPECT_EQ(ReadBytes(file), testing::CipherInOneCall("clef", CipherMode::Encipher, plain));
    }
}

TEST_F(SealboxForm, ClosingTheWindowEndsTheProgram) {
    Open();

    EXPECT_TRUE(form->CloseRequested());

    EXPECT_EQ(end.exitCode, std::optional<int>(0));
    EXPECT_TRUE(view.hidden);
}

}  // namespace
}  // namespace vortalis::sealbox
