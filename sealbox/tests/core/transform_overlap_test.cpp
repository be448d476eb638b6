// The transform writes each chunk while it reads and transforms the next: a read
// or a write that fails, wherever the other side stands, leaves the original
// whole and reaches the caller on its own thread; progress and the loss question
// never leave that thread.

#include <gtest/gtest.h>

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

#include "cipher/tests/one_call_cipher.h"
#include "runtime/errors/run_error.h"
#include "runtime/tests/support/failing_file_system.h"
#include "runtime/tests/support/one_file_test.h"
#include "runtime/tests/support/scoped_backup_folder.h"
#include "runtime/tests/support/temporary_folder.h"
#include "sealbox/core/transform_file.h"

namespace vortalis::sealbox {
namespace {

using namespace testing;  // the shared test helpers

const std::error_code kBrokenDevice = std::make_error_code(std::errc::io_error);
constexpr std::uint64_t kBlocksPerChunk = kTransformChunkBytes / kTransformBlockBytes;

struct CountingProgress : TransformProgress {
    std::uint64_t steps = 0;
    void Begin(std::uint64_t, std::uint64_t) override {}
    void Step() override { ++steps; }
};

// The system's files, with the reads and writes numbered from 0 as they come, and
// a hook before any of them that may wait for the other side to get somewhere
// and then make the call fail. Only for a file that is replaced: a rewrite in
// place would also read and write its backup.
class PacedFileSystem : public FileSystem {
  public:
    using Hook = std::function<std::error_code()>;
    std::map<int, Hook> beforeRead;
    std::map<int, Hook> beforeWrite;

    std::error_code ReadAt(Handle handle, std::uint64_t offset, std::span<std::uint8_t> bytes,
                           std::size_t& count) override {
        if (std::error_code error = Pass(beforeRead, readsStarted_, failedReads_)) {
            count = 0;
            return error;
        }
        return FileSystem::ReadAt(handle, offset, bytes, count);
    }

    std::error_code WriteAt(Handle handle, std::uint64_t offset,
                            std::span<const std::uint8_t> bytes) override {
        if (std::error_code error = Pass(beforeWrite, writesStarted_, failedWrites_)) return error;
        const std::error_code error = FileSystem::WriteAt(handle, offset, bytes);
        Count(writesDone_);
        return error;
    }

    // For the hooks: waits until the condition holds.
    void WaitFor(const std::function<bool()>& condition) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, condition);
    }
    int ReadsStarted() const { return readsStarted_; }
    int WritesStarted() const { return writesStarted_; }
    int WritesDone() const { return writesDone_; }
    int FailedReads() const { return failedReads_; }

  private:
    std::error_code Pass(const std::map<int, Hook>& hooks, int& started, int& failed) {
        const int index = Count(started) - 1;
        const auto hook = hooks.find(index);
        if (hook == hooks.end()) return {};
        const std::error_code error = hook->second();
        if (error) Count(failed);
        return error;
    }

    int Count(int& counter) {
        std::lock_guard lock(mutex_);
        changed_.notify_all();
        return ++counter;
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    // Read under the lock, from the hooks' conditions.
    int readsStarted_ = 0;
    int writesStarted_ = 0;
    int writesDone_ = 0;
    int failedReads_ = 0;
    int failedWrites_ = 0;
};

class TransformOverlapTest : public OneFileTest {
  protected:
    TransformOverlapTest() : OneFileTest("rapport.doc") {}

    Bytes plain = SampleBytes(kTransformChunkBytes * 7 / 2);  // four reads and four writes
    CountingProgress progress;

    void SetUp() override { WriteBytes(file, plain); }

    void ExpectError(FileSystem& files, int number) {
        try {
            TransformFile(file, "clef", CipherMode::Encipher, progress, {}, files);
            ADD_FAILURE() << "no error";
        } catch (const RunError& error) {
            EXPECT_EQ(error.Number(), number);
        }
    }

    // The transform fails with `number`; the file is as it was, alone in its folder.
    void ExpectFailureLeavingTheOriginal(FileSystem& files, int number) {
        ExpectError(files, number);
        EXPECT_EQ(ReadBytes(file), plain);
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"rapport.doc"});
    }
};

TEST_F(TransformOverlapTest, AReadFailingAtAnyChunkLeavesTheOriginal) {
    for (int succeedFirst = 0; succeedFirst < 4; ++succeedFirst) {
        SCOPED_TRACE(succeedFirst);
        FailingFileSystem files(FailingFileSystem::Operation::ReadAt, std::errc::io_error,
                                succeedFirst);
        progress = {};
        ExpectFailureLeavingTheOriginal(files, run_error::kDeviceIo);
        EXPECT_EQ(files.Failures(), 1);
        EXPECT_EQ(progress.steps, static_cast<std::uint64_t>(succeedFirst) * kBlocksPerChunk);
    }
}

TEST_F(TransformOverlapTest, AReadFailingWhileAnEarlierChunkIsBeingWritten) {
    PacedFileSystem files;
    files.beforeRead[1] = [&] {
        files.WaitFor([&] { return files.WritesStarted() == 1; });
        return kBrokenDevice;
    };
    // The first write goes on only once the read after it has failed.
    files.beforeWrite[0] = [&] {
        files.WaitFor([&] { return files.FailedReads() == 1; });
        return std::error_code();
    };
    ExpectFailureLeavingTheOriginal(files, run_error::kDeviceIo);
}

TEST_F(TransformOverlapTest, AReadFailingOnceEveryEarlierChunkIsWritten) {
    PacedFileSystem files;
    files.beforeRead[2] = [&] {
        files.WaitFor([&] { return files.WritesDone() == 2; });
        return kBrokenDevice;
    };
    ExpectFailureLeavingTheOriginal(files, run_error::kDeviceIo);
    EXPECT_EQ(files.WritesStarted(), 2);
}

TEST_F(TransformOverlapTest, AWriteFailingWhileTheReaderIsAChunkAhead) {
    PacedFileSystem files;
    files.beforeWrite[1] = [&] {
        files.WaitFor([&] { return files.ReadsStarted() == 3; });
        return std::make_error_code(std::errc::no_space_on_device);
    };
    ExpectFailureLeavingTheOriginal(files, run_error::kDiskFull);
    EXPECT_EQ(files.WritesStarted(), 2);  // nothing is written past a failed chunk
}

TEST_F(TransformOverlapTest, ARewriteInPlacePutsTheOriginalBackAfterAReadFails) {
    testing::ScopedBackupFolder backups;
    std::filesystem::create_hard_link(file, folder / "copie.doc");
    // The backup takes the first reads, one per MiB; the transform's third read fails.
    const auto backupReads = static_cast<int>((plain.size() + (1 << 20) - 1) >> 20);
    FailingFileSystem files(FailingFileSystem::Operation::ReadAt, std::errc::io_error,
                            backupReads + 2);
    ExpectError(files, run_error::kDeviceIo);
    EXPECT_EQ(progress.steps, 2 * kBlocksPerChunk);
    EXPECT_EQ(ReadBytes(file), plain);
    EXPECT_EQ(ReadBytes(folder / "copie.doc"), plain);
    EXPECT_TRUE(backups.Entries().empty());
}

TEST_F(TransformOverlapTest, ProgressAndTheLossQuestionStayOnTheCallingThread) {
    plain.assign(plain.size(), 255);
    WriteBytes(file, plain);
    struct ThreadCheckingProgress : TransformProgress {
        std::thread::id caller = std::this_thread::get_id();
        std::uint64_t steps = 0;
        bool elsewhere = false;
        void Begin(std::uint64_t, std::uint64_t) override { Check(); }
        void Step() override {
            Check();
            ++steps;
        }
        void Check() { elsewhere = elsewhere || std::this_thread::get_id() != caller; }
    } checking;
    bool askedElsewhere = true;
    TransformFile(file, "clef", CipherMode::Encipher, checking, [&](std::uint64_t) {
        askedElsewhere = std::this_thread::get_id() != checking.caller;
        return true;
    });
    EXPECT_FALSE(checking.elsewhere);
    EXPECT_FALSE(askedElsewhere);
    EXPECT_EQ(checking.steps, plain.size() / kTransformBlockBytes + 1);
    EXPECT_EQ(ReadBytes(file), testing::CipherInOneCall("clef", CipherMode::Encipher, plain));
}

}  // namespace
}  // namespace vortalis::sealbox
