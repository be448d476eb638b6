// Pathwell's shell through Windows itself, under the system (or Wine) that
// runs the tests: an executable is its own program, a document's is the one
// its type is registered with, and a file whose name no ANSI code page holds
// is found, started and opened all the same.

#include "pathwell/platform/windows/windows_shell.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <thread>

#include "runtime/process/program_location.h"
#include "runtime/tests/support/temporary_folder.h"
#include "runtime/text/utf8_path.h"

namespace vortalis::pathwell {
namespace {

class NoForm : public FormWindow {
  public:
    WindowHandle Handle() override { return {}; }
    std::string Caption() const override { return {}; }
    void SetCaption(const std::string&) override {}
};

// The shell may answer in another case or with another spelling of the folder;
// the program's file name is what must match.
std::string FileNameInCapitals(const std::string& path) {
    std::string name = Utf8Text(Utf8Path(path).filename());
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char letter) { return static_cast<char>(std::toupper(letter)); });
    return name;
}

// A document type of the test's own, opened by `program`, in the registry's
// classes for as long as it lives.
class RegisteredType {
  public:
    RegisteredType(const std::string& extension, const std::string& program)
        : extension_(extension) {
        Set(extension, "Vortalis.DocumentDeTest");
        Set("Vortalis.DocumentDeTest\\shell\\open\\command", "\"" + program + "\" \"%1\"");
    }
    ~RegisteredType() {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, extension_.c_str());
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "Vortalis.DocumentDeTest");
    }
    RegisteredType(const RegisteredType&) = delete;
    RegisteredType& operator=(const RegisteredType&) = delete;

  private:
    static void Set(const std::string& key, const std::string& value) {
        HKEY opened = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                  &opened, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(opened);
    }

    std::string extension_;
};

class WindowsShellTest : public ::testing::Test {
  protected:
    NoForm form;
    WindowsShell shell{form};
    testing::TemporaryFolder folder;
    std::string self = (CurrentProgram().folder / CurrentProgram().fileName).string();
};

TEST_F(WindowsShellTest, AnExecutableIsItsOwnProgram) {
    EXPECT_EQ(FileNameInCapitals(shell.FindAssociatedProgram(self)), FileNameInCapitals(self));
}

TEST_F(WindowsShellTest, ADocumentGivesTheProgramItsTypeIsRegisteredWith) {
    const RegisteredType type(".vortalistest", self);
    const auto document = folder / "rapport.vortalistest";
    testing::WriteBytes(document, {'x'});
    EXPECT_EQ(FileNameInCapitals(shell.FindAssociatedProgram(document.string())),
              FileNameInCapitals(self));
}

TEST_F(WindowsShellTest, ADocumentOfATypeWithNoProgramGivesNothing) {
    const auto document = folder / "inconnu.vortalisaucun";
    testing::WriteBytes(document, {'x'});
    EXPECT_EQ(shell.FindAssociatedProgram(document.string()), "");
}

// A script named with letters from two code pages, in a folder so named, that
// leaves a mark when it runs.
class UnicodeScriptTest : public WindowsShellTest {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(script.parent_path());
        testing::WriteBytes(script, ScriptText("@echo ok> \"" + mark.string() + "\"\r\n"));
    }

    static testing::Bytes ScriptText(const std::string& text) { return {text.begin(), text.end()}; }

    // The script is not waited for: it has run once its mark is there.
    bool MarkAppears() const {
        for (int tries = 0; tries < 200; ++tries) {
            if (std::filesystem::exists(mark)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    std::filesystem::path script = folder.Path() / Utf8Path("Dossier été/Ω été.bat");
    std::filesystem::path mark = folder / "marque.txt";
};

TEST_F(UnicodeScriptTest, IsStartedAsAProgram) {
    shell.Start(LaunchCommand{Utf8Text(script), std::nullopt}, WindowStyle::kNormalWithFocus);
    EXPECT_TRUE(MarkAppears());
}

TEST_F(UnicodeScriptTest, IsOpenedByTheShell) {
    shell.ShellOpen(Utf8Text(script));
    EXPECT_TRUE(MarkAppears());
}

TEST_F(WindowsShellTest, ADocumentNamedInAnyLetterGivesItsProgram) {
    const RegisteredType type(".vortalistest", self);
    const auto document = folder.Path() / Utf8Path("Ω été.vortalistest");
    testing::WriteBytes(document, {'x'});
    EXPECT_EQ(FileNameInCapitals(shell.FindAssociatedProgram(Utf8Text(document))),
              FileNameInCapitals(self));
}

TEST_F(WindowsShellTest, ThisProgramIsReportedInUtf8) {
    const OwnExecutable own = shell.RunningExecutable();
    EXPECT_EQ(Utf8Path(own.folder) / Utf8Path(own.name + ".exe"), ExecutablePath());
}

}  // namespace
}  // namespace vortalis::pathwell
