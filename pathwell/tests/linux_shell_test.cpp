#include "linux_shell.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <thread>

#include "default_application.h"
#include "detached_start.h"
#include "open_path.h"
#include "run_error.h"
#include "temporary_folder.h"

namespace vortalis::pathwell {
namespace {

namespace fs = std::filesystem;
using vortalis::testing::TemporaryFolder;

void WriteText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

void WriteProgram(const fs::path& path, const std::string& text) {
    WriteText(path, text);
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
}

// A harmless program: writes `mark` (by default its first argument) to
// `marker` (through a rename, so the marker appears whole) and ends.
fs::path WriteMarkerProgram(const TemporaryFolder& folder, const fs::path& marker,
                            const std::string& mark = "\"$1\"") {
    const fs::path program = folder / "marque";
    WriteProgram(program, "#!/bin/sh\nprintf '%s' " + mark + " > '" + marker.string() +
                              ".part' && mv '" + marker.string() + ".part' '" + marker.string() +
                              "'\n");
    return program;
}

// A pipe as this process's standard input for a while, so that a program
// that inherited it would show it.
class PipedInput {
  public:
    PipedInput() {
        if (pipe(ends_) != 0) ends_[0] = ends_[1] = -1;
        dup2(ends_[0], STDIN_FILENO);
    }
    ~PipedInput() {
        dup2(saved_, STDIN_FILENO);
        for (int fd : {saved_, ends_[0], ends_[1]}) close(fd);
    }
    PipedInput(const PipedInput&) = delete;
    PipedInput& operator=(const PipedInput&) = delete;

  private:
    int saved_ = dup(STDIN_FILENO);
    int ends_[2];
};

// The started program runs on its own: wait for its mark, not for it.
std::string AwaitMarker(const fs::path& marker) {
    for (int attempt = 0; attempt < 1000 && !fs::exists(marker); ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::ifstream in(marker, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A desktop whose only settings and applications are the test's own.
class DesktopFixture : public ::testing::Test {
  protected:
    DesktopDirectories Directories() const {
        return {{folder / "config"}, {folder / "data-home", folder / "data"}, ""};
    }
    // An installed application whose program is a real executable file.
    void InstallApplication(const fs::path& dataFolder, const std::string& file,
                            const fs::path& program) {
        WriteProgram(program, "#!/bin/sh\n");
        WriteText(
            dataFolder / "applications" / file,
            "[Desktop Entry]\nType=Application\nName=App\nExec=\"" + program.string() + "\" %F\n");
    }

    TemporaryFolder folder;
    LinuxShell shell{Directories()};
};

using AssociationQuery = DesktopFixture;

TEST_F(AssociationQuery, ReportsTheExplorerForAFolder) {
    EXPECT_EQ(shell.FindAssociatedProgram(folder.Path().string()), shell.Explorer());
    EXPECT_EQ(shell.FindAssociatedProgram("/"), shell.Explorer());
}

TEST_F(AssociationQuery, ReportsAnExecutableFileAsItsOwnProgramByItsFullPath) {
    const fs::path script = folder / "outil avec blancs.sh";
    WriteProgram(script, "#!/bin/sh\n");

    EXPECT_EQ(shell.FindAssociatedProgram(script.string()), script.string());

    const fs::path here = fs::current_path();
    fs::current_path(folder.Path());
    EXPECT_EQ(shell.FindAssociatedProgram("./outil avec blancs.sh"), script.string());
    fs::current_path(here);
}

TEST_F(AssociationQuery, ReportsNothingForAMissingPath) {
    EXPECT_EQ(shell.FindAssociatedProgram((folder / "absent.txt").string()), "");
    EXPECT_EQ(shell.FindAssociatedProgram(""), "");
}

TEST_F(AssociationQuery, ReportsNothingForATextFileWithNoDefaultApplication) {
    WriteText(folder / "lettre.txt", "Bonjour\n");

    EXPECT_EQ(shell.FindAssociatedProgram((folder / "lettre.txt").string()), "");
}

TEST_F(AssociationQuery, ReportsTheDefaultApplicationsProgramForATextFile) {
    const fs::path editor = folder / "bin" / "editeur";
    InstallApplication(folder / "data", "editeur.desktop", editor);
    WriteText(folder / "config" / "mimeapps.list",
              "[Added Associations]\ntext/plain=autre.desktop;\n"
              "[Default Applications]\ntext/plain=absent.desktop;editeur.desktop;\n");
    WriteText(folder / "lettre.txt", "Bonjour\n");

    EXPECT_EQ(shell.FindAssociatedProgram((folder / "lettre.txt").string()), editor.string());
}

TEST(DefaultApplication, PrefersTheUserSettingsToTheSystemOnes) {
    TemporaryFolder folder;
    const DesktopDirectories directories{{folder / "config"}, {folder / "data"}, ""};
    WriteProgram(folder / "bin" / "mien", "#!/bin/sh\n");
    WriteProgram(folder / "bin" / "systeme", "#!/bin/sh\n");
    WriteText(folder / "data" / "applications" / "mien.desktop",
              "[Desktop Entry]\nExec=" + (folder / "bin" / "mien").string() + " %f\n");
    WriteText(folder / "data" / "applications" / "systeme.desktop",
              "[Desktop Entry]\nExec=" + (folder / "bin" / "systeme").string() + "\n");
    WriteText(folder / "data" / "applications" / "mimeapps.list",
              "[Default Applications]\nimage/png=systeme.desktop\n");
    WriteText(folder / "config" / "mimeapps.list",
              "[Default Applications]\nimage/png=mien.desktop\n");

    EXPECT_EQ(DefaultProgramFor({"image/png"}, directories), (folder / "bin" / "mien").string());
}

TEST(DefaultApplication, FallsBackToTheCacheAndToTheMoreGeneralType) {
    TemporaryFolder folder;
    const DesktopDirectories directories{{}, {folder / "data"}, (folder / "bin").string()};
    WriteProgram(folder / "bin" / "lecteur", "#!/bin/sh\n");
    WriteText(folder / "data" / "applications" / "kde" / "lecteur.desktop",
              "[Desktop Entry]\nExec=lecteur --ouvrir %U\n");
    WriteText(folder / "data" / "applications" / "mimeinfo.cache",
              "[MIME Cache]\ntext/plain=kde-lecteur.desktop;\n");

    EXPECT_EQ(DefaultProgramFor({"text/x-csrc", "text/plain"}, directories),
              (folder / "bin" / "lecteur").string());
}

TEST(DefaultApplication, PassesOverHiddenApplicationsAndMissingPrograms) {
    TemporaryFolder folder;
    const DesktopDirectories directories{{folder / "config"}, {folder / "data"}, ""};
    WriteText(folder / "data" / "applications" / "cache.desktop",
              "[Desktop Entry]\nHidden=true\nExec=/bin/sh\n");
    WriteText(folder / "data" / "applications" / "perdu.desktop",
              "[Desktop Entry]\nExec=/nulle/part/programme\n");
    WriteText(folder / "config" / "mimeapps.list",
              "[Default Applications]\ntext/plain=cache.desktop;perdu.desktop\n");

    EXPECT_EQ(DefaultProgramFor({"text/plain"}, directories), "");
}

using StartingAProgram = DesktopFixture;

TEST_F(StartingAProgram, RunsItDetachedWithTheWholeArgumentAndLeavesNoChildToReap) {
    const fs::path marker = folder / "marque.txt";
    const fs::path program = WriteMarkerProgram(folder, marker);

    shell.Start({program.string(), "/home/léa/Mes  Documents ; rm -rf x"},
                WindowStyle::kMinimizedWithFocus);

    EXPECT_EQ(AwaitMarker(marker), "/home/léa/Mes  Documents ; rm -rf x");
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(StartingAProgram, GivesItNothingToReadAsItsInput) {
    const fs::path marker = folder / "marque.txt";
    const fs::path program = WriteMarkerProgram(folder, marker, "\"$(readlink /proc/$$/fd/0)\"");
    const PipedInput input;

    shell.Start({program.string(), std::nullopt}, WindowStyle::kNormalWithFocus);

    EXPECT_EQ(AwaitMarker(marker), "/dev/null");
}

TEST_F(StartingAProgram, RaisesTheRunErrorWhenThePathCannotStart) {
    WriteText(folder / "lettre.txt", "Bonjour\n");
    WriteProgram(folder / "sans entete", "echo ceci n'est pas un programme\n");

    for (const fs::path& path :
         {folder / "absent", folder / "lettre.txt", folder.Path(), folder / "sans entete"}) {
        EXPECT_THROW(shell.Start({path.string(), std::nullopt}, WindowStyle::kNormalWithFocus),
                     RunError)
            << path;
    }
    try {
        shell.Start({(folder / "absent").string(), std::nullopt}, WindowStyle::kNormalWithFocus);
    } catch (const RunError& error) {
        EXPECT_EQ(error.Number(), run_error::kFileNotFound);
    }
}

TEST(DetachedStart, ReportsTheSystemsReasonForAMissingProgram) {
    EXPECT_EQ(StartDetached("/nulle/part/programme", {}), std::errc::no_such_file_or_directory);
}

// The real shell, with its own program and its shell open swapped for
// what a test can watch.
class WatchedShell : public LinuxShell {
  public:
    using LinuxShell::LinuxShell;
    OwnExecutable own;
    std::vector<std::string> shellOpened;
    OwnExecutable RunningExecutable() override { return own; }
    void ShellOpen(const std::string& path) override { shellOpened.push_back(path); }
};

TEST(OpenPathOnThisDesktop, StartsThisProgramAgainOnAFolderWithBlanks) {
    TemporaryFolder folder;
    const fs::path marker = folder / "marque.txt";
    const fs::path program = WriteMarkerProgram(folder, marker);
    fs::create_directories(folder / "Mes Documents");
    WatchedShell shell(DesktopDirectories{});
    shell.own = {folder.Path().string(), program.filename().string()};

    OpenPath((folder / "Mes Documents").string(), shell);

    EXPECT_EQ(AwaitMarker(marker), (folder / "Mes Documents").string());
    EXPECT_TRUE(shell.shellOpened.empty());
}

TEST(OpenPathOnThisDesktop, StartsAProgramAndHandsADocumentToTheShell) {
    TemporaryFolder folder;
    const fs::path marker = folder / "marque.txt";
    const fs::path program = WriteMarkerProgram(folder, marker);
    WriteText(folder / "lettre.txt", "Bonjour\n");
    WatchedShell shell(DesktopDirectories{});

    OpenPath(program.string(), shell);
    OpenPath((folder / "lettre.txt").string(), shell);

    EXPECT_EQ(AwaitMarker(marker), "");
    EXPECT_EQ(shell.shellOpened, (std::vector<std::string>{(folder / "lettre.txt").string()}));
}

}  // namespace
}  // namespace vortalis::pathwell
