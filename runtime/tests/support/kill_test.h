#pragma once

// Kills a program that rewrites a file in the middle of its writes and checks
// that the file is never left half old, half new: after the kill it is wholly
// what it was, or it has a record from which the next start puts it back.

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <optional>
#include <random>
#include <string>

#include "runtime/files/rewrite_backup.h"
#include "runtime/tests/support/child_process.h"
#include "runtime/tests/support/scoped_backup_folder.h"
#include "runtime/tests/support/temporary_folder.h"

namespace vortalis::testing {

using ContentAfterRun = std::function<Bytes(const Bytes&)>;
// The program's arguments for a run that stops itself (SIGSTOP) in the write
// that passes `stopAfter` bytes, or that never stops.
using ArgumentsStoppingAfter = std::function<std::vector<std::string>(
    const std::filesystem::path& file, std::optional<std::uint64_t> stopAfter)>;

// The file a kill test rewrites: `size` sample bytes in a scratch folder, under
// a second name too when there is one, so that the program rewrites it in place.
struct FileUnderKill {
    std::string name;
    std::optional<std::string> secondName;
    std::size_t size;
};

// What a whole run says it wrote, in all, on standard error.
inline std::uint64_t BytesWritten(const std::string& errorOutput) {
    const std::string mark = "bytes written: ";
    const std::size_t at = errorOutput.find(mark);
    return at == std::string::npos ? 0 : std::stoull(errorOutput.substr(at + mark.size()));
}

inline bool HasRecord(const ScopedBackupFolder& backups) {
    for (const std::string& name : backups.Entries())
        if (name.starts_with(kRecordPrefix)) return true;
    return false;
}

// Runs `program` on the file once whole, to learn how many bytes a run writes;
// then 30 times stopped at random points of those writes and killed there. After
// each kill the file holds what it held, or a record of it is there; the next run
// (a restart) puts it back before its own transform. In the end nothing is left
// beside the file's names or in the backup folder.
inline void ExpectWholeFileAcrossKills(const std::string& program, const FileUnderKill& under,
                                       const ArgumentsStoppingAfter& argumentsFor,
                                       const ContentAfterRun& next, unsigned seed) {
    TemporaryFolder folder;
    ScopedBackupFolder backups;
    const auto file = folder / under.name;
    WriteBytes(file, SampleBytes(under.size));
    std::size_t names = 1;
    if (under.secondName) {
        std::filesystem::create_hard_link(file, folder / *under.secondName);
        ++names;
    }
    const auto arguments = [&](std::optional<std::uint64_t> stopAfter) {
        return argumentsFor(file, stopAfter);
    };
    const std::string errors = folder.Path().string() + ".err";
    Bytes current = ReadBytes(file);
    const ProgramResult whole = RunProgram(program, arguments(std::nullopt), errors);
    ASSERT_EQ(whole.exitStatus, 0) << whole.errorOutput;
    const std::uint64_t written = BytesWritten(whole.errorOutput);
    ASSERT_GT(written, 1u);
    current = next(current);
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<std::uint64_t> stopAt(1, written - 1);

    int putBack = 0;
    for (int run = 0; run < 30; ++run) {
        ChildProgram child(program, arguments(stopAt(random)), errors);
        ASSERT_TRUE(child.WaitForStop()) << "run " << run << " ended before its stop point";
        child.Kill();
        child.Wait();
        if (ReadBytes(file) != current) {
            ASSERT_TRUE(HasRecord(backups)) << "a changed file without its record, run " << run;
            ++putBack;
        }
        const ProgramResult restart = RunProgram(program, arguments(std::nullopt), errors);
        ASSERT_EQ(restart.exitStatus, 0) << restart.errorOutput;
        current = next(current);
        ASSERT_EQ(ReadBytes(file), current) << "after the restart that followed run " << run;
    }
    std::cout << "30 runs killed mid-write (of " << written << " bytes); " << putBack
              << " left the file half rewritten, put back by the next start\n";
    EXPECT_EQ(folder.Entries().size(), names) << "a finished run removes what killed runs left";
    EXPECT_TRUE(backups.Entries().empty());
}

}  // namespace vortalis::testing
