// Keyfold as a user runs it: a separate process, its exit status and what it says.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>

#include "temporary_folder.h"

extern char** environ;

namespace vortalis {
namespace {

using testing::ReadBytes;
using testing::SampleBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

struct ProgramResult {
    int exitStatus = -1;
    std::string errorOutput;
};

class KeyfoldProgramTest : public ::testing::Test {
  protected:
    TemporaryFolder folder;

    // Runs Keyfold with these arguments and no display, unless one is named.
    ProgramResult RunKeyfold(const std::vector<std::string>& arguments,
                             const char* display = nullptr) {
        const std::string errorFile = (folder / ".stderr").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);

        std::vector<std::string> environment;
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string_view variable(*entry);
            if (!variable.starts_with("DISPLAY=") && !variable.starts_with("WAYLAND_DISPLAY=")) {
                environment.emplace_back(variable);
            }
        }
        if (display != nullptr) environment.push_back(std::string("DISPLAY=") + display);

        std::vector<char*> argv{const_cast<char*>(KEYFOLD_PROGRAM)};
        for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (auto& variable : environment) envp.push_back(variable.data());
        envp.push_back(nullptr);

        ProgramResult result;
        pid_t child = 0;
        if (posix_spawn(&child, KEYFOLD_PROGRAM, &actions, nullptr, argv.data(), envp.data()) ==
            0) {
            int status = 0;
            waitpid(child, &status, 0);
            result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        std::ifstream in(errorFile);
        std::ostringstream text;
        text << in.rdbuf();
        result.errorOutput = text.str();
        std::filesystem::remove(errorFile);
        return result;
    }
};

TEST_F(KeyfoldProgramTest, SucceedsSilentlyWithStatusZero) {
    const auto file = folder / "a file.txt";
    const auto plain = SampleBytes(1000);
    WriteBytes(file, plain);
    // The shell hands over separate words; Keyfold joins them with single spaces.
    const std::string path = file.string();
    const auto space = path.rfind(' ');
    const ProgramResult enciphered =
        RunKeyfold({path.substr(0, space), path.substr(space + 1) + ",clé,C"});
    EXPECT_EQ(enciphered.exitStatus, 0);
    EXPECT_EQ(enciphered.errorOutput, "");
    EXPECT_NE(ReadBytes(file), plain);
    EXPECT_EQ(RunKeyfold({path + ",clé,D"}).exitStatus, 0);
    EXPECT_EQ(ReadBytes(file), plain);
}

TEST_F(KeyfoldProgramTest, ReportsAnErrorWithItsNumberAndDescriptionAndFails) {
    const ProgramResult missing = RunKeyfold({(folder / "absent.txt").string() + ",secret,C"});
    EXPECT_EQ(missing.exitStatus, 1);
    EXPECT_EQ(missing.errorOutput, "Keyfold : Erreur : 53\n         Fichier introuvable\n");
    EXPECT_EQ(RunKeyfold({}).exitStatus, 1);
}

TEST_F(KeyfoldProgramTest, AnUnreachableDisplayFallsBackToStandardError) {
    const ProgramResult result =
        RunKeyfold({(folder / "absent.txt").string() + ",secret,C"}, ":97");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.errorOutput.find("Keyfold : Erreur : 53\n         Fichier introuvable\n"),
              std::string::npos)
        << result.errorOutput;
}

}  // namespace
}  // namespace vortalis
