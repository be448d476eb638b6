#include "keyfold/core/keyfold_run.h"

#include <gtest/gtest.h>

#include "cipher/tests/one_call_cipher.h"
#include "keyfold/tests/core/keyfold_error_number.h"
#include "runtime/errors/run_error.h"
#include "runtime/tests/support/failing_file_system.h"
#include "runtime/tests/support/one_file_test.h"
#include "runtime/tests/support/temporary_folder.h"
#include "runtime/text/utf8_path.h"

namespace vortalis::keyfold {
namespace {

using namespace testing;  // the shared test helpers

class KeyfoldRunTest : public OneFileTest {
  protected:
    KeyfoldRunTest() : OneFileTest("mots de passe.txt") {}

    std::string Line(std::string_view password, std::string_view mode) const {
        return file.string() + "," + std::string(password) + "," + std::string(mode);
    }

    void ExpectOnlyTheFileHolding(const Bytes& bytes) {
        EXPECT_EQ(ReadBytes(file), bytes);
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{file.filename().string()});
    }
};

TEST_F(KeyfoldRunTest, EnciphersInPlaceAndDeciphersBack) {
    const Bytes plain = SampleBytes(3000);
    WriteBytes(file, plain);
    ASSERT_EQ(KeyfoldErrorNumber(Line("Mot de Passe", "C")), 0);
    ExpectOnlyTheFileHolding(CipherInOneCall("Mot de Passe", CipherMode::Encipher, plain));
    ASSERT_EQ(KeyfoldErrorNumber(Line("Mot de Passe", "d")), 0);
    ExpectOnlyTheFileHolding(plain);
}

TEST_F(KeyfoldRunTest, KeysAnAccentedPasswordByItsWindows1252Bytes) {
    const Bytes plain = SampleBytes(100);
    WriteBytes(file, plain);
    // As each system's command line brings it: Windows-1252 there, UTF-8 here.
#ifdef _WIN32
    ASSERT_EQ(KeyfoldErrorNumber(Line("cl\xE9", "c")), 0);
#else
    ASSERT_EQ(KeyfoldErrorNumber(Line("clé", "c")), 0);
#endif
    EXPECT_EQ(ReadBytes(file), CipherInOneCall("cl\xE9", CipherMode::Encipher, plain));
}

TEST_F(KeyfoldRunTest, TakesFilesUpTo32767BytesAndRefusesLargerOnesUntouched) {
    const Bytes largest = SampleBytes(32767);
    WriteBytes(file, largest);
    EXPECT_EQ(KeyfoldErrorNumber(Line("secret", "C")), 0);
    EXPECT_EQ(ReadBytes(file), CipherInOneCall("secret", CipherMode::Encipher, largest));

    const Bytes tooLarge = SampleBytes(40960);
    WriteBytes(file, tooLarge);
    try {
        RunKeyfold(Line("secret", "C"));
        ADD_FAILURE() << "no error";
    } catch (const RunError& error) {
        EXPECT_EQ(error.Number(), run_error::kOverflow);
        // The file, its size and the limit.
        EXPECT_NE(error.Description().find(file.string()), std::string::npos);
        EXPECT_NE(error.Description().find("40\u00A0960"), std::string::npos);
        EXPECT_NE(error.Description().find("32\u00A0767"), std::string::npos);
    }
    ExpectOnlyTheFileHolding(tooLarge);
}

TEST_F(KeyfoldRunTest, AnEmptyFileStaysEmpty) {
    WriteBytes(file, {});
    EXPECT_EQ(KeyfoldErrorNumber(Line("secret", "C")), 0);
    ExpectOnlyTheFileHolding({});
}

TEST_F(KeyfoldRunTest, ReportsMissingFilesWhateverTheirFolderAndNamesThatAreNoFile) {
    EXPECT_EQ(KeyfoldErrorNumber(Line("secret", "C")), run_error::kFileNotFound);
    EXPECT_EQ(KeyfoldErrorNumber((folder.Path() / "absent" / "f.txt").string() + ",secret,C"),
              run_error::kFileNotFound);
    EXPECT_EQ(KeyfoldErrorNumber(folder.Path().string() + ",secret,C"), run_error::kPathFileAccess);
    // No file named comes before an unknown mode: an empty command line too.
    for (const char* line : {",secret,C", ",secret,X", ""})
        EXPECT_EQ(KeyfoldErrorNumber(line), run_error::kBadFileName) << line;
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(KeyfoldRunTest, ANameTheCodePageLostIsRefusedAs53NamingItAsTyped) {
    // Windows hands "Ω" over as "?" in Windows-1252: "?.txt" is another name.
    const auto typed = folder.Path() / Utf8Path("Ω.txt");
    const Bytes plain = SampleBytes(10);
    WriteBytes(typed, plain);
    try {
        RunKeyfold(Utf8Text(folder / "?.txt") + ",secret,C", SystemFiles(),
                   Utf8Text(typed) + ",secret,C");
        ADD_FAILURE() << "no error";
    } catch (const RunError& error) {
        EXPECT_EQ(error.Number(), run_error::kFileNotFound);
        EXPECT_NE(error.Description().find(Utf8Text(typed)), std::string::npos);
    }
    EXPECT_EQ(ReadBytes(typed), plain);
}

TEST_F(KeyfoldRunTest, RefusesAnUnknownModeOrPasswordWithoutWritingAnything) {
    const Bytes plain = SampleBytes(200);
    WriteBytes(file, plain);
    std::vector<std::string> lines{Line("secret", " C"), Line("secret", "X"), Line("secret", ""),
                                   Line("secret", "C,more")};
#ifndef _WIN32  // a Windows command line holds Windows-1252 characters only
    lines.push_back(Line("snow☃", "C"));
#endif
    for (const std::string& line : lines) {
        EXPECT_EQ(KeyfoldErrorNumber(line), run_error::kInvalidCall) << line;
        ExpectOnlyTheFileHolding(plain);
    }
}

TEST_F(KeyfoldRunTest, RefusesToEncipherBytes255ThatWouldNotComeBack) {
    Bytes plain = SampleBytes(200);
    plain[10] = plain[50] = plain[150] = 0xFF;
    WriteBytes(file, plain);
    EXPECT_EQ(KeyfoldErrorNumber(Line("secret", "C")), run_error::kInvalidCall);
    ExpectOnlyTheFileHolding(plain);
    // Deciphering never loses them, and a one-character password shifts nothing.
    EXPECT_EQ(KeyfoldErrorNumber(Line("secret", "D")), 0);
    WriteBytes(file, plain);
    EXPECT_EQ(KeyfoldErrorNumber(Line("k", "C")), 0);
    EXPECT_EQ(ReadBytes(file), plain);
}

TEST_F(KeyfoldRunTest, AFailureWhileWritingLeavesTheOriginalIntact) {
    const Bytes plain = SampleBytes(5000);
    WriteBytes(file, plain);
    FailingFileSystem fullDisk(FailingFileSystem::Operation::WriteAt,
                               std::errc::no_space_on_device);
    EXPECT_EQ(KeyfoldErrorNumber(Line("secret", "C"), fullDisk), run_error::kDiskFull);
    ExpectOnlyTheFileHolding(plain);

    FailingFileSystem brokenRename(FailingFileSystem::Operation::Rename, std::errc::io_error);
    EXPECT_EQ(KeyfoldErrorNumber(Line("secret", "C"), brokenRename), run_error::kDeviceIo);
    ExpectOnlyTheFileHolding(plain);
}

}  // namespace
}  // namespace vortalis::keyfold
