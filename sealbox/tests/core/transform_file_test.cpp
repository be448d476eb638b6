#include "sealbox/core/transform_file.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include "cipher/tests/one_call_cipher.h"
#include "cipher/tests/reference_cipher.h"
#include "runtime/errors/run_error.h"
#include "runtime/tests/support/failing_file_system.h"
#include "runtime/tests/support/one_file_test.h"
#include "runtime/tests/support/scoped_backup_folder.h"
#include "runtime/tests/support/temporary_folder.h"

namespace vortalis::sealbox {
namespace {

using namespace testing;  // the shared test helpers

// Keeps what the transform reported, to compare with what it should have.
struct RecordingProgress : TransformProgress {
    std::uint64_t minimum = 0;
    std::uint64_t maximum = 0;
    std::uint64_t value = 0;
    int begins = 0;
    void Begin(std::uint64_t low, std::uint64_t high) override {
        ++begins;
        minimum = low;
        maximum = high;
        value = low;
    }
    void Step() override { ++value; }
};

class TransformFileTest : public OneFileTest {
  protected:
    TransformFileTest() : OneFileTest("rapport.doc") {}

    RecordingProgress progress;

    TransformResult Transform(CipherMode mode, const std::string& password = "clef",
                              const LossConfirmation& confirm = {},
                              FileSystem& files = SystemFiles()) {
        return TransformFile(file, password, mode, progress, confirm, files);
    }
};

TEST_F(TransformFileTest, ProgressRunsFromOneToTheBlockCountPlusTwoWhateverTheLength) {
    struct Case {
        std::size_t length;
        std::uint64_t maximum;
    };
    for (const Case& c :
         {Case{0, 2}, Case{512, 3}, Case{1000, 3}, Case{1024, 4}, Case{65536, 130},
          Case{65537, 130}, Case{200000, 392}, Case{1048576, 2050}, Case{1048577, 2050}}) {
        SCOPED_TRACE(c.length);
        WriteBytes(file, SampleBytes(c.length));
        progress = {};
        ASSERT_EQ(Transform(CipherMode::Encipher), TransformResult::Rewritten);
        EXPECT_EQ(progress.begins, 1);
        EXPECT_EQ(progress.minimum, 1u);
        EXPECT_EQ(progress.maximum, c.maximum);
        EXPECT_EQ(progress.value, c.maximum);
        EXPECT_EQ(ReadBytes(file).size(), c.length);
    }
}

TEST_F(TransformFileTest, GivesTheBytesOfOneCipherPassOverTheWholeFileBothWays) {
    const Bytes plain = SampleBytes(100000, 7);
    for (const std::string& password :
         std::vector<std::string>{"", "k", "mot de passe", std::string(300, '\xE9')}) {
        SCOPED_TRACE(password.size());
        WriteBytes(file, plain);
        Transform(CipherMode::Encipher, password);
        const Bytes enciphered = ReadBytes(file);
        EXPECT_EQ(enciphered, testing::CipherInOneCall(password, CipherMode::Encipher, plain));

        Transform(CipherMode::Decipher, password);
        EXPECT_EQ(ReadBytes(file), plain);
        WriteBytes(file, enciphered);
        Transform(CipherMode::Decipher, password);
        EXPECT_EQ(ReadBytes(file),
                  testing::CipherInOneCall(password, CipherMode::Decipher, enciphered));
    }
}

TEST_F(TransformFileTest, KeepsNameAndPlaceAndLeavesNoOtherFile) {
    WriteBytes(file, SampleBytes(3000));
    Transform(CipherMode::Encipher);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"rapport.doc"});
    // Windows has no permission bits: the rewrite's own tests check its attributes.
#ifndef _WIN32
    std::filesystem::permissions(
        file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    Transform(CipherMode::Decipher);
    EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
#endif
}

TEST_F(TransformFileTest, AFailurePartWayLeavesTheOriginalWholeAndNoTemporaryFile) {
    const Bytes plain = SampleBytes(kTransformChunkBytes * 7 / 2);  // several chunks
    WriteBytes(file, plain);
    struct Case {
        FailingFileSystem::Operation operation;
        std::errc error;
        int succeedFirst;
        int number;
    };
    for (const Case& c :
         {Case{FailingFileSystem::Operation::WriteAt, std::errc::no_space_on_device, 2, 61},
          Case{FailingFileSystem::Operation::Flush, std::errc::io_error, 0, 57},
          Case{FailingFileSystem::Operation::Rename, std::errc::device_or_resource_busy, 0, 75},
          Case{FailingFileSystem::Operation::CreateTemporary, std::errc::no_space_on_device, 0,
               61}}) {
        FailingFileSystem files(c.operation, c.error, c.succeedFirst);
        try {
            Transform(CipherMode::Encipher, "clef", {}, files);
            ADD_FAILURE() << "no error";
        } catch (const RunError& error) {
            EXPECT_EQ(error.Number(), c.number);
        }
        EXPECT_EQ(files.Failures(), 1);
        EXPECT_EQ(ReadBytes(file), plain);
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"rapport.doc"});
    }
}

// Where a replacement would not be the same file, the transform rewrites the
// file itself: a folder that refuses new files, a file with a second name.
class InPlaceTransformTest : public TransformFileTest {
  protected:
    testing::ScopedBackupFolder backups;
    std::filesystem::path otherName = folder / "copie.doc";
    Bytes plain = SampleBytes(kTransformChunkBytes * 7 / 2);  // several chunks

    void SetUp() override {
        WriteBytes(file, plain);
        std::filesystem::create_hard_link(file, otherName);
    }

    void ExpectBothNamesHolding(const Bytes& content) {
        EXPECT_EQ(ReadBytes(file), content);
        EXPECT_EQ(ReadBytes(otherName), content);
        EXPECT_EQ(folder.Entries().size(), 2u);
        EXPECT_TRUE(backups.Entries().empty());
    }
};

TEST_F(InPlaceTransformTest, AFileWithTwoNamesIsTransformedUnderBoth) {
    Transform(CipherMode::Encipher, "clef");
    ExpectBothNamesHolding(testing::ReferenceTransform("clef", CipherMode::Encipher, plain));
}

TEST_F(InPlaceTransformTest, AFolderThatRefusesNewFilesStillHasItsFileTransformed) {
    std::filesystem::remove(otherName);
    // As a folder the user may not write: the backup folder is not refused.
    struct RefusedFolder : FileSystem {
        std::filesystem::path refused;
        std::error_code CreateTemporary(const std::filesystem::path& where,
                                        const std::string& prefix, TemporaryAccess access,
                                        std::filesystem::path& path, Handle& handle) override {
            if (where == refused) return std::make_error_code(std::errc::permission_denied);
            return FileSystem::CreateTemporary(where, prefix, access, path, handle);
        }
    } files;
    files.refused = std::filesystem::canonical(folder.Path());
    Transform(CipherMode::Decipher, "clef", {}, files);
    EXPECT_EQ(ReadBytes(file), testing::CipherInOneCall("clef", CipherMode::Decipher, plain));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"rapport.doc"});
    EXPECT_TRUE(backups.Entries().empty());
}

TEST_F(InPlaceTransformTest, AFailurePartWayPutsTheOriginalBack) {
    // Four writes of the backup and one of its record go through, then one of
    // the file's own: the disk fills at the second.
    FailingFileSystem files(FailingFileSystem::Operation::WriteAt, std::errc::no_space_on_device,
                            6);
    try {
        Transform(CipherMode::Encipher, "clef", {}, files);
        ADD_FAILURE() << "no error";
    } catch (const RunError& error) {
        EXPECT_EQ(error.Number(), run_error::kDiskFull);
    }
    ExpectBothNamesHolding(plain);
}

TEST_F(InPlaceTransformTest, NoToTheLossOfBytes255PutsTheOriginalBack) {
    plain.assign(3000, 255);
    WriteBytes(file, plain);
    EXPECT_EQ(Transform(CipherMode::Encipher, "clef", [](std::uint64_t) { return false; }),
              TransformResult::LeftUntouched);
    ExpectBothNamesHolding(plain);
}

TEST_F(TransformFileTest, AMissingFileIsReportedBeforeAnyProgress) {
    try {
        Transform(CipherMode::Decipher);
        ADD_FAILURE() << "no error";
    } catch (const RunError& error) {
        EXPECT_EQ(error.Number(), run_error::kFileNotFound);
    }
    EXPECT_EQ(progress.begins, 0);
    EXPECT_TRUE(folder.Entries().empty());
}

class LostBytesTest : public TransformFileTest {
  protected:
    // Bytes 255 that a password of several characters is bound to shift.
    Bytes plain = Bytes(2000, 255);
    std::vector<std::uint64_t> asked;

    void SetUp() override { WriteBytes(file, plain); }

    LossConfirmation Answer(bool goOn) {
        return [this, goOn](std::uint64_t lostBytes) {
            asked.push_back(lostBytes);
            return goOn;
        };
    }
};

TEST_F(LostBytesTest, AnsweredNoLeavesTheFileAsItWas) {
    EXPECT_EQ(Transform(CipherMode::Encipher, "clef", Answer(false)),
              TransformResult::LeftUntouched);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_GT(asked[0], 0u);
    EXPECT_EQ(ReadBytes(file), plain);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"rapport.doc"});
}

TEST_F(LostBytesTest, AnsweredYesEnciphersAnyway) {
    EXPECT_EQ(Transform(CipherMode::Encipher, "clef", Answer(true)), TransformResult::Rewritten);
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(ReadBytes(file), testing::CipherInOneCall("clef", CipherMode::Encipher, plain));
}

TEST_F(LostBytesTest, NothingIsAskedWhenNothingIsLost) {
    Transform(CipherMode::Encipher, "k", Answer(false));  // one character: every offset is 0
    Transform(CipherMode::Decipher, "clef", Answer(false));
    WriteBytes(file, SampleBytes(2000));
    Transform(CipherMode::Encipher, "clef", Answer(false));
    EXPECT_TRUE(asked.empty());
}

// Windows allows no "*" or "?" in a file's name.
#ifndef _WIN32
TEST_F(TransformFileTest, ANameWithWildcardsIsTakenLiterally) {
    const auto starred = folder / "a*.txt";
    const Bytes plain = SampleBytes(700);
    WriteBytes(starred, plain);
    WriteBytes(folder / "ab.txt", plain);
    TransformFile(starred, "clef", CipherMode::Encipher, progress);
    EXPECT_EQ(ReadBytes(starred), testing::CipherInOneCall("clef", CipherMode::Encipher, plain));
    EXPECT_EQ(ReadBytes(folder / "ab.txt"), plain);
}
#endif

#ifdef _WIN32
// Where the system can keep other programs from writing a file (Windows), none
// may while it is transformed, replaced or rewritten in place.
TEST_F(TransformFileTest, NoOtherProgramMayWriteTheFileWhileItIsTransformed) {
    struct TryingWrites : TransformProgress {
        std::filesystem::path file;
        int refused = 0;
        int steps = 0;
        void Begin(std::uint64_t, std::uint64_t) override {}
        void Step() override {
            if (steps++ > 0) return;
            const HANDLE other = CreateFileW(
                file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (other == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION) {
                ++refused;
            } else if (other != INVALID_HANDLE_VALUE) {
                CloseHandle(other);
            }
        }
    };
    const Bytes plain = SampleBytes(5000);
    for (const bool inPlace : {false, true}) {
        WriteBytes(file, plain);
        FailingFileSystem refusedFolder(FailingFileSystem::Operation::CreateTemporary,
                                        std::errc::permission_denied);
        FileSystem& files = inPlace ? refusedFolder : SystemFiles();
        TryingWrites trying;
        trying.file = file;
        ASSERT_EQ(TransformFile(file, "clef", CipherMode::Encipher, trying, {}, files),
                  TransformResult::Rewritten);
        EXPECT_EQ(trying.refused, 1) << (inPlace ? "in place" : "replaced");
        EXPECT_EQ(ReadBytes(file), CipherInOneCall("clef", CipherMode::Encipher, plain));
    }
}
#endif

}  // namespace
}  // namespace vortalis::sealbox
