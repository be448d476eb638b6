#include "pathwell/core/open_path.h"

#include <gtest/gtest.h>

#include "pathwell/core/platform_paths.h"
#include "pathwell/tests/core/fake_shell.h"

namespace vortalis::pathwell {
namespace {

using testing::FakeShell;
using Calls = std::vector<std::string>;

std::string OwnProgram(const FakeShell& shell) {
    return shell.own.folder + kPathSeparator + shell.own.name + kExecutableSuffix;
}

// One start, in `style`, after the association was asked; nothing for the shell.
void ExpectOnlyStarted(const FakeShell& shell, const LaunchCommand& command, WindowStyle style) {
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].command, command);
    EXPECT_EQ(shell.started[0].style, style);
    EXPECT_TRUE(shell.shellOpened.empty());
    EXPECT_EQ(shell.calls, (Calls{"find", "start", "messages"}));
}

TEST(OpenPath, StartsANewPathwellMinimizedOnAFolderTheExplorerOpens) {
    FakeShell shell;
    shell.associations["C:\\Mes Documents"] = "C:\\WINDOWS\\EXPLORER.EXE";

    OpenPath("C:\\Mes Documents", shell);

    ExpectOnlyStarted(shell, {OwnProgram(shell), "C:\\Mes Documents"},
                      WindowStyle::kMinimizedWithFocus);
}

TEST(OpenPath, IgnoresCaseWhenComparingWithTheExplorer) {
    FakeShell shell;
    shell.associations["C:\\Temp"] = "c:\\windows\\explorer.exe";

    OpenPath("C:\\Temp", shell);

    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].command.argument, "C:\\Temp");
}

TEST(OpenPath, TreatsAFolderOfAnotherExplorerAsAFileAndLetsTheShellOpenIt) {
    FakeShell shell;
    shell.associations["D:\\Photos"] = "C:\\WINNT\\EXPLORER.EXE";

    OpenPath("D:\\Photos", shell);

    EXPECT_TRUE(shell.started.empty());
    EXPECT_EQ(shell.shellOpened, (Calls{"D:\\Photos"}));
    EXPECT_EQ(shell.calls, (Calls{"find", "start", "shell", "messages"}));
}

TEST(OpenPath, RelaunchesOnTheExplorerProgramFileItself) {
    FakeShell shell;
    shell.associations["C:\\WINDOWS\\EXPLORER.EXE"] = "C:\\WINDOWS\\EXPLORER.EXE";
    shell.startable.insert("C:\\WINDOWS\\EXPLORER.EXE");

    OpenPath("C:\\WINDOWS\\EXPLORER.EXE", shell);

    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].command,
              (LaunchCommand{OwnProgram(shell), "C:\\WINDOWS\\EXPLORER.EXE"}));
}

TEST(OpenPath, StartsAProgramInANormalWindowWithoutTheShell) {
    FakeShell shell;
    shell.associations["C:\\Jeux\\solitaire.exe"] = "C:\\Jeux\\solitaire.exe";
    shell.startable.insert("C:\\Jeux\\solitaire.exe");

    OpenPath("C:\\Jeux\\solitaire.exe", shell);

    ExpectOnlyStarted(shell, {"C:\\Jeux\\solitaire.exe", std::nullopt},
                      WindowStyle::kNormalWithFocus);
}

TEST(OpenPath, HandsADocumentThatCannotStartToTheShell) {
    FakeShell shell;
    shell.associations["C:\\lettre.txt"] = "C:\\WINDOWS\\NOTEPAD.EXE";

    OpenPath("C:\\lettre.txt", shell);

    EXPECT_EQ(shell.shellOpened, (Calls{"C:\\lettre.txt"}));
    EXPECT_EQ(shell.calls, (Calls{"find", "start", "shell", "messages"}));
}

TEST(OpenPath, TriesTheShellQuietlyOnAMissingPath) {
    FakeShell shell;

    EXPECT_NO_THROW(OpenPath("C:\\absent\\rien.doc", shell));

    EXPECT_EQ(shell.shellOpened, (Calls{"C:\\absent\\rien.doc"}));
    EXPECT_EQ(shell.calls, (Calls{"find", "start", "shell", "messages"}));
}

TEST(OpenPath, SwallowsAFailingShellOpen) {
    class FailingShellOpen : public FakeShell {
        void ShellOpen(const std::string&) override { throw RunError(run_error::kFileNotFound); }
    } shell;

    EXPECT_NO_THROW(OpenPath("C:\\absent", shell));
    EXPECT_EQ(shell.calls.back(), "messages");
}

TEST(OpenPath, LetsAFailedRelaunchReachTheTopLevelReport) {
    FakeShell shell;
    shell.associations["C:\\Temp"] = shell.explorer;
    shell.relaunchFails = true;

    EXPECT_THROW(OpenPath("C:\\Temp", shell), RunError);
    EXPECT_TRUE(shell.shellOpened.empty());
}

TEST(OpenPath, PassesAFolderWithBlanksWholeAndUnchanged) {
    FakeShell shell;
    const std::string folder = "C:\\Program Files\\Mon  Dossier ";
    shell.associations[folder] = shell.explorer;

    OpenPath(folder, shell);

    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].command.argument, folder);
}

}  // namespace
}  // namespace vortalis::pathwell
