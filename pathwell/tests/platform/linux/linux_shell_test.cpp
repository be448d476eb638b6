#include "pathwell/platform/linux/linux_shell.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "pathwell/core/open_path.h"
#include "pathwell/platform/linux/desktop_application.h"
#include "runtime/errors/run_error.h"
#include "runtime/process/detached_start.h"
#include "runtime/tests/support/temporary_folder.h"

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

// One desktop for the whole run, the test's own: GIO reads where the
// desktop lives once per process. Its one application opens plain text and
// records its argument, whether it leads a session and group of its own,
// and its input.
class TestDesktop : public ::testing::Environment {
  public:
    static fs::path Record() { return Folder() / "record"; }
    static fs::path Handler() { return Folder() / "handler.sh"; }

    void SetUp() override {
        const fs::path root = Folder();
        WriteProgram(Handler(), "#!/bin/sh\nr='" + Record().string() + R"sh('
printf '%s\n' "$1" > "$r.part"
[ "$(cut -d' ' -f5-6 /proc/$$/stat)" = "$$ $$" ] && echo seul >> "$r.part"
readlink /proc/$$/fd/0 >> "$r.part"
mv "$r.part" "$r"
)sh");
        WriteText(root / "data" / "applications" / "testhandler.desktop",
                  "[Desktop Entry]\nType=Application\nName=Test\nExec=" + Handler().string() +
                      " %f\nMimeType=text/plain;\n");
        WriteText(root / "config" / "mimeapps.list",
                  "[Default Applications]\ntext/plain=testhandler.desktop\n");
        // The shared MIME database, without the applications installed here.
        fs::create_directories(root / "system");
        if (fs::exists("/usr/share/mime")) {
            fs::create_directory_symlink("/usr/share/mime", root / "system" / "mime");
        }
        setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        setenv("XDG_DATA_DIRS", (root / "system").c_str(), 1);
        setenv("XDG_CONFIG_DIRS", (root / "system").c_str(), 1);
    }

  private:
    // Removed, with everything in it, when the run ends.
    static const fs::path& Folder() {
        static const TemporaryFolder folder;
        return folder.Path();
    }
};
const auto* const kTestDesktop = ::testing::AddGlobalTestEnvironment(new TestDesktop);

class DesktopFixture : public ::testing::Test {
  protected:
    ~DesktopFixture() override { fs::remove(TestDesktop::Record()); }

    TemporaryFolder folder;
    LinuxShell shell;
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

TEST_F(AssociationQuery, ReportsTheDefaultApplicationsProgramForADocument) {
    WriteText(folder / "lettre.txt", "Bonjour\n");

    EXPECT_EQ(shell.FindAssociatedProgram((folder / "lettre.txt").string()),
              TestDesktop::Handler().string());
}

TEST_F(AssociationQuery, ReportsNothingForADocumentWhoseTypeHasNoApplication) {
    WriteText(folder / "donnees.bin", std::string("\0\1\2\xff\xfe", 5));

    EXPECT_EQ(shell.FindAssociatedProgram((folder / "donnees.bin").string()), "");
}

using ShellOpen = DesktopFixture;

TEST_F(ShellOpen, RunsTheDefaultApplicationOnTheFileInASessionOfItsOwn) {
    const fs::path document = folder / "Mes documents à lire #2" / "note été #1.txt";
    WriteText(document, "Bonjour\n");
    const PipedInput input;

    shell.ShellOpen(document.string());

    EXPECT_EQ(AwaitMarker(TestDesktop::Record()), document.string() + "\nseul\n/dev/null\n");
}

TEST_F(ShellOpen, StartsNothingForATypeWithNoApplicationNorAMissingFile) {
    WriteText(folder / "donnees.bin", std::string("\0\1\2\xff\xfe", 5));

    EXPECT_FALSE(LaunchDefaultApplication((folder / "donnees.bin").string()));
    EXPECT_FALSE(LaunchDefaultApplication((folder / "absent.txt").string()));
    EXPECT_FALSE(fs::exists(TestDesktop::Record()));
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
        ADD_FAILURE() << "a missing program started";
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
    WatchedShell shell;
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
    WatchedShell shell;

    OpenPath(program.string(), shell);
    OpenPath((folder / "lettre.txt").string(), shell);

    EXPECT_EQ(AwaitMarker(marker), "");
    EXPECT_EQ(shell.shellOpened, (std::vector<std::string>{(folder / "lettre.txt").string()}));
}

}  // namespace
}  // namespace vortalis::pathwell
