// Keyfold.exe as Windows starts it: a process of its own, its exact command line,
// its exit status and what it says when no box can be shown.

#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "cipher/tests/known_vectors.h"
#include "cipher/tests/reference_cipher.h"
#include "runtime/files/file_system.h"
#include "runtime/process/program_location.h"
#include "runtime/tests/support/one_file_test.h"
#include "runtime/tests/support/temporary_folder.h"
#include "runtime/tests/support/windows_process.h"
#include "runtime/text/utf8_path.h"

namespace vortalis::keyfold {
namespace {

using namespace testing;  // the shared test helpers

class KeyfoldWindowsProgramTest : public OneFileTest {
  protected:
    KeyfoldWindowsProgramTest() : OneFileTest("mots de passe.txt") {}

    // `argumentText` is narrow (the ANSI code page, as the product hands it over)
    // or wide (as the shell hands over what a user typed).
    template <typename Char>
    testing::ProgramResult RunKeyfold(const std::basic_string<Char>& argumentText) {
        const std::filesystem::path program =
            (CurrentProgram().folder / KEYFOLD_PROGRAM).lexically_normal();
        std::basic_string<Char> line(1, Char('"'));
        if constexpr (std::is_same_v<Char, char>) {
            line += program.string();
        } else {
            line += program.wstring();
        }
        return testing::RunCommandLine(
            line + Char('"') + Char(' ') + argumentText,
            folder.Path().parent_path() / (folder.Path().filename().string() + ".stderr"));
    }
    testing::ProgramResult RunKeyfold(const char* argumentText) {
        return RunKeyfold(std::string(argumentText));
    }

    // A path as the product writes it on a command line: in the ANSI code page.
    static std::string Ansi(const std::filesystem::path& path) {
        const std::wstring& wide = path.native();
        const int size = static_cast<int>(wide.size());
        std::string ansi(static_cast<std::size_t>(size) * 2, '\0');
        BOOL lost = FALSE;
        ansi.resize(static_cast<std::size_t>(
            WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, ansi.data(),
                                static_cast<int>(ansi.size()), nullptr, &lost)));
        EXPECT_FALSE(lost) << "the ANSI code page cannot hold " << Utf8Text(path);
        return ansi;
    }

    // Enciphers `path` and deciphers it back through the ANSI command line.
    void ExpectRoundTrip(const std::filesystem::path& path) {
        const Bytes plain = testing::SampleBytes(700);
        WriteBytes(path, plain);
        EXPECT_EQ(RunKeyfold(Ansi(path) + ",cl\xE9,C").exitStatus, 0) << Utf8Text(path);
        EXPECT_EQ(ReadBytes(path), ReferenceTransform("cl\xE9", CipherMode::Encipher, plain));
        EXPECT_EQ(RunKeyfold(Ansi(path) + ",cl\xE9,D").exitStatus, 0) << Utf8Text(path);
        EXPECT_EQ(ReadBytes(path), plain);
    }

    // Runs Keyfold on the file while this process holds it, alone, for `held`
    // or until Keyfold has ended.
    int ExitStatusWhileHeldFor(DWORD heldMilliseconds) {
        const HANDLE holder = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(holder, INVALID_HANDLE_VALUE);
        const HANDLE ended = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::thread release([&] {
            WaitForSingleObject(ended, heldMilliseconds);
            CloseHandle(holder);
        });
        const int status = RunKeyfold(Ansi(file) + ",secret,C").exitStatus;
        SetEvent(ended);
        release.join();
        CloseHandle(ended);
        return status;
    }

    // Runs "FILE,PASSWORD,MODE" and expects a silent success.
    void Transform(const std::string& password, char mode) {
        const testing::ProgramResult result =
            RunKeyfold(file.string() + "," + password + "," + mode);
        EXPECT_EQ(result.exitStatus, 0) << password;
        EXPECT_EQ(result.errorOutput, "") << password;
    }
};

TEST_F(KeyfoldWindowsProgramTest, GivesTheKnownVectorsOfStoredFilesAndBack) {
    const Bytes plain = testing::KnownVectorPlain();
    for (const testing::KnownVector& vector : testing::kKnownVectors) {
        WriteBytes(file, plain);
        Transform(std::string(vector.password), 'C');
        EXPECT_EQ(ReadBytes(file), FromHex(vector.encipheredHex)) << vector.password;
        Transform(std::string(vector.password), 'd');
        EXPECT_EQ(ReadBytes(file), plain) << vector.password;
    }
}

TEST_F(KeyfoldWindowsProgramTest, MatchesThePlainLoopOnRandomFilesAndPasswords) {
    std::mt19937 random(14);
    // Accents, blanks (two in a row too) and quotes: the command line is taken as typed.
    const std::string letters = "abcXYZ019 \xE9\xE8\xE0\xE7\xC9\"'-_.;";
    for (const std::size_t length : {0u, 1u, 511u, 512u, 4000u, 32767u}) {
        std::string password;
        const std::size_t passwordLength = 1 + random() % 20;
        for (std::size_t i = 0; i < passwordLength; ++i)
            password += letters[random() % letters.size()];
        if (length == 4000u) password = "cl\xE9  \"deux\"";
        Bytes plain(length);
        for (auto& byte : plain) byte = static_cast<std::uint8_t>(random() % 255);
        WriteBytes(file, plain);
        Transform(password, 'C');
        const Bytes enciphered = ReferenceTransform(password, CipherMode::Encipher, plain);
        EXPECT_EQ(ReadBytes(file), enciphered) << password << " " << length;
        Transform(password, 'D');
        EXPECT_EQ(ReadBytes(file), ReferenceTransform(password, CipherMode::Decipher, enciphered))
            << password << " " << length;
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{file.filename().string()});
    }
}

// The box itself cannot be seen here: Wine without a display shows it on a
// display of nothing and closes it at once.
TEST_F(KeyfoldWindowsProgramTest, FailsWithStatusOneOnAMissingFileOrAnEmptyLine) {
    EXPECT_EQ(RunKeyfold((folder / "absent.txt").string() + ",secret,C").exitStatus, 1);
    EXPECT_EQ(RunKeyfold("").exitStatus, 1);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(KeyfoldWindowsProgramTest, FindsNamesWithEveryLetterOfTheCodePageAndPathsPast260) {
    for (const char* name : {"€uro.txt", "œuvre.txt", "Lettre d’Hélène.txt"})
        ExpectRoundTrip(folder.Path() / Utf8Path(name));
    std::filesystem::path deep = folder.Path();
    while (deep.native().size() < 280) deep /= std::string(60, 'd');
    std::filesystem::create_directories(deep);
    deep /= Utf8Path("relevé.txt");
    ASSERT_GT(deep.native().size(), 290u);
    ExpectRoundTrip(deep);
    // Only the files: no temporary file or backup is left anywhere.
    EXPECT_EQ(folder.Entries().size(), 4u);
    std::vector<std::string> deepEntries;  // the C++ library lists no folder that deep
    EXPECT_FALSE(SystemFiles().ListFolder(deep.parent_path(), deepEntries));
    EXPECT_EQ(deepEntries, std::vector<std::string>{"relevé.txt"});
}

TEST_F(KeyfoldWindowsProgramTest, ANameTheCodePageCannotHoldIsRefusedAndLeftAlone) {
    const std::filesystem::path typed = folder.Path() / L"\u03A9 \u00E9t\u00E9.txt";  // Ω été.txt
    const Bytes plain = testing::SampleBytes(100);
    WriteBytes(typed, plain);
    // Typed in a shell, which hands the line over in UTF-16; Keyfold takes the
    // ANSI one, where Ω is lost.
    EXPECT_EQ(RunKeyfold(typed.wstring() + L",secret,C").exitStatus, 1);
    EXPECT_EQ(ReadBytes(typed), plain);
    EXPECT_EQ(folder.Entries().size(), 1u);
}

TEST_F(KeyfoldWindowsProgramTest, WaitsForAFileAnotherProgramHoldsAMomentAndRefusesOneHeldLonger) {
    const Bytes plain = testing::SampleBytes(1000);
    WriteBytes(file, plain);
    EXPECT_EQ(ExitStatusWhileHeldFor(500), 0);
    EXPECT_EQ(ReadBytes(file), ReferenceTransform("secret", CipherMode::Encipher, plain));

    WriteBytes(file, plain);
    EXPECT_EQ(ExitStatusWhileHeldFor(10000), 1);
    EXPECT_EQ(ReadBytes(file), plain);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{file.filename().string()});
}

TEST_F(KeyfoldWindowsProgramTest, AFileKeepsItsStreams) {
    const Bytes plain = testing::SampleBytes(300);
    WriteBytes(file, plain);
    // A downloaded file's mark, which gives its document a protected view.
    const std::filesystem::path mark = file.native() + L":Zone.Identifier";
    const Bytes zone{'[', 'Z', 'o', 'n', 'e', 'T', 'r', 'a', 'n', 's', 'f', 'e', 'r', ']'};
    WriteBytes(mark, zone);
    if (ReadBytes(mark) != zone || folder.Entries().size() != 1)
        GTEST_SKIP() << "this system keeps no streams of a file (Wine)";
    ASSERT_EQ(RunKeyfold(Ansi(file) + ",secret,C").exitStatus, 0);
    EXPECT_EQ(ReadBytes(mark), zone);
}

TEST_F(KeyfoldWindowsProgramTest, LeavesAFileOverTheLimitUntouched) {
    const Bytes tooLarge = testing::SampleBytes(32768);
    WriteBytes(file, tooLarge);
    EXPECT_EQ(RunKeyfold(file.string() + ",secret,C").exitStatus, 1);
    EXPECT_EQ(ReadBytes(file), tooLarge);
}

}  // namespace
}  // namespace vortalis::keyfold
