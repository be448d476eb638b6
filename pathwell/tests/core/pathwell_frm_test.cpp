#include "pathwell/core/pathwell_frm.h"

#include <gtest/gtest.h>

#include "pathwell/core/browser_legend.h"
#include "pathwell/core/platform_paths.h"
#include "pathwell/tests/core/fake_shell.h"
#include "pathwell/tests/core/scripted_dialogs.h"
#include "runtime/tests/support/temporary_folder.h"
#include "runtime/text/ansi_text.h"
#include "runtime/text/utf8_path.h"

namespace vortalis::pathwell {
namespace {

using namespace std::string_literals;
using namespace testing;  // the shared test helpers
using Paths = std::vector<std::string>;

const std::string kSep(1, kPathSeparator);

class PathwellForm : public ::testing::Test {
  protected:
    // Every path the form opened, as the shell saw it: relaunched folders and
    // everything else (which the fake shell cannot start, so it shell-opens).
    Paths Opened() const {
        Paths paths;
        for (const auto& start : shell.started) paths.push_back(*start.command.argument);
        for (const auto& path : shell.shellOpened) paths.push_back(path);
        return paths;
    }

    FakeFormWindow window;
    ScriptedDialogs dialogs;
    FakeShell shell;
    Pathwell_frm form{window, dialogs, shell};
};

TEST_F(PathwellForm, KeepsItsHandleAndSetsTheCreditCaptionOnLoad) {
    form.Form_load("");

    EXPECT_EQ(form.hWnd(), 0x1234u);
    EXPECT_EQ(window.caption, kCreditLine);
    EXPECT_EQ(std::string(kCreditLine).rfind("VORTALIS Juin 2003 ", 0), 0u);
    EXPECT_TRUE(std::string(kCreditLine).ends_with(".example"));
}

TEST_F(PathwellForm, ShowsTheBrowserWithoutAnArgumentAndEndsOnItsCancel) {
    form.Form_load("");

    ASSERT_EQ(dialogs.browsed.size(), 1u);
    EXPECT_TRUE(dialogs.chosen.empty());
    EXPECT_EQ(dialogs.browsed[0].owner, 0x1234u);
    EXPECT_EQ(dialogs.browsed[0].flags, 0x4010u);
    EXPECT_EQ(dialogs.browsed[0].title, BrowserLegend(kCreditLine));
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(PathwellForm, OpensEachBrowserPickAndShowsTheBrowserAgainUntilCancel) {
    shell.associations["/home/léa/Mes Documents"] = shell.explorer;
    dialogs.browserAnswers = {"/home/léa/Mes Documents", "/home/léa/notes.txt"};

    form.Form_load("");

    EXPECT_EQ(dialogs.browsed.size(), 3u);
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].command.argument, "/home/léa/Mes Documents");
    EXPECT_EQ(shell.started[0].style, WindowStyle::kMinimizedWithFocus);
    EXPECT_EQ(shell.shellOpened, (Paths{"/home/léa/notes.txt"}));
}

TEST_F(PathwellForm, OpensNothingForABrowserItemWithoutAFileSystemPath) {
    dialogs.browserAnswers = {"", "/tmp"};

    form.Form_load("");

    EXPECT_EQ(dialogs.browsed.size(), 3u);
    EXPECT_EQ(Opened(), (Paths{"/tmp"}));
}

TEST_F(PathwellForm, ReadsTheCaptionAgainForEachBrowserPass) {
    dialogs.browserAnswers = {""};
    form.Form_load("");
    window.caption = "Autre";
    dialogs.browserAnswers = {""};

    form.BrowseFolders();

    EXPECT_EQ(dialogs.browsed.back().title.substr(0, 7), "Autre\r\n");
}

TEST_F(PathwellForm, ShowsTheChooserInTheWholeArgumentTextAndEndsOnItsCancel) {
    form.Form_load("/home/léa/Mes  Documents ");

    EXPECT_TRUE(dialogs.browsed.empty());
    ASSERT_EQ(dialogs.chosen.size(), 1u);
    const ChooserSettings& settings = dialogs.chosen[0];
    EXPECT_EQ(settings.owner, 0x1234u);
    EXPECT_EQ(settings.fileName, "");
    EXPECT_EQ(settings.initialFolder, "/home/léa/Mes  Documents ");
    EXPECT_EQ(settings.filter, "Tous|*|*|*");
    EXPECT_EQ(settings.title, std::string("Choix Fichiers,Répertoire ") + kCreditLine);
    EXPECT_EQ(settings.flags, 0x282204u);
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(PathwellForm, OpensInAFilesOwnFolderWithItChosenAndPassesAMissingOneUnchanged) {
    vortalis::testing::TemporaryFolder folder;
    const auto file = folder.Path() / Utf8Path("lettre d'été.txt");
    vortalis::testing::WriteBytes(file, vortalis::testing::SampleBytes(10));
    form.Form_load(Utf8Text(file));
    form.Form_load("pas un dossier");

    EXPECT_EQ(dialogs.chosen[0].initialFolder, Utf8Text(folder.Path()));
    EXPECT_EQ(dialogs.chosen[0].fileName, "lettre d'été.txt");
    EXPECT_EQ(dialogs.chosen[1].initialFolder, "pas un dossier");
    EXPECT_EQ(dialogs.chosen[1].fileName, "");
}

TEST_F(PathwellForm, OpensTheOneChosenFileByItsFullPath) {
    dialogs.chooserAnswers = {"/home/léa/lettre.txt"};

    form.Form_load("/home/léa");

    EXPECT_EQ(Opened(), (Paths{"/home/léa/lettre.txt"}));
    EXPECT_EQ(shell.calls, (Paths{"find", "start", "shell", "messages"}));
}

TEST_F(PathwellForm, OpensThreeChosenFilesInTheirOrderThroughTheFolder) {
    dialogs.chooserAnswers = {"/home/léa\0b.txt\0a b.doc\0c"s};

    form.Form_load("/home/léa");

    EXPECT_EQ(Opened(), (Paths{"/home/léa" + kSep + "b.txt", "/home/léa" + kSep + "a b.doc",
                               "/home/léa" + kSep + "c"}));
    EXPECT_EQ(shell.calls.size(), 12u);  // find, start, shell and messages for each
}

TEST_F(PathwellForm, BringsTheChooserBackWithoutAnInitialFolderUntilALaterCancel) {
    dialogs.chooserAnswers = {"/home/léa/a", "/home/léa/b"};

    form.Form_load("/home/léa");

    ASSERT_EQ(dialogs.chosen.size(), 3u);
    EXPECT_EQ(dialogs.chosen[0].initialFolder, "/home/léa");
    EXPECT_EQ(dialogs.chosen[1].initialFolder, "");
    EXPECT_EQ(dialogs.chosen[2].initialFolder, "");
    EXPECT_EQ(Opened(), (Paths{"/home/léa/a", "/home/léa/b"}));
}

TEST_F(PathwellForm, RelaunchesOnAFolderChosenInTheChooser) {
    shell.associations["/home/léa/Photos"] = shell.explorer;
    dialogs.chooserAnswers = {"/home/léa/Photos"};

    form.Form_load("/home/léa");

    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].command.program,
              shell.own.folder + kSep + shell.own.name + kExecutableSuffix);
}

TEST_F(PathwellForm, StopsAtAFailedRelaunchSoTheProgramEndsWithTheErrorReport) {
    shell.associations["/home"] = shell.explorer;
    shell.relaunchFails = true;
    dialogs.browserAnswers = {"/home", "/tmp"};

    form.Form_load("");
    EXPECT_EQ(dialogs.browsed.size(), 1u);
    EXPECT_EQ(dialogs.reportedErrors.size(), 1u);
    EXPECT_EQ(form.ExitStatus(), 1);
}

TEST(BrowserLegend, ReadsExactlyAsTheFourLinesInWindows1252) {
    const std::string expected =
        "Mon titre\r\n"
        "+\tD\xE9tail du R\xE9pertoire\t\t\t     Annuler\r\n"
        "OK\tOuvrir le R\xE9pertoire ou le Fichier\t\t      Quitter\r\n" +
        std::string(50, '\xAF');
    EXPECT_EQ(Utf8ToAnsi(BrowserLegend("Mon titre")), expected);
}

}  // namespace
}  // namespace vortalis::pathwell
