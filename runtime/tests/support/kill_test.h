#pragma once

// Kills a program that rewrites a file at random moments and checks that the
// file is never left half old, half new.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <iostream>
#include <random>
#include <thread>

#include "child_process.h"
#include "temporary_folder.h"

namespace vortalis::testing {

using ContentAfterRun = std::function<std::vector<std::uint8_t>(const std::vector<std::uint8_t>&)>;

// Runs `program` on `file` (alone in `folder`) 50 times, killing it at moments
// spread over the time one whole run takes here. After each kill the file must
// hold wholly what it held or wholly `next` of it. A last, whole run must then
// leave nothing but the file in the folder: what killed runs left is removed.
inline void ExpectWholeFileAcrossKills(const std::string& program,
                                       const std::vector<std::string>& arguments,
                                       const TemporaryFolder& folder,
                                       const std::filesystem::path& file,
                                       const ContentAfterRun& next, unsigned seed) {
    const std::string errors = folder.Path().string() + ".err";
    std::vector<std::uint8_t> current = ReadBytes(file);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(RunProgram(program, arguments, errors).exitStatus, 0);
    const auto wholeRun = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    current = next(current);
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> delay(0, wholeRun.count());

    int killedMidway = 0;
    for (int run = 0; run < 50; ++run) {
        ChildProgram child(program, arguments, errors);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        child.Kill();
        killedMidway += child.Wait().exitStatus != 0;
        const std::vector<std::uint8_t> now = ReadBytes(file);
        if (now == current) continue;
        const std::vector<std::uint8_t> after = next(current);
        ASSERT_EQ(now, after) << "a mix after run " << run;
        current = after;
    }
    const std::size_t leftBehind = folder.Entries().size() - 1;
    ASSERT_EQ(RunProgram(program, arguments, errors).exitStatus, 0);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{file.filename().string()})
        << "a finished run removes what killed runs left";
    std::cout << "killed before the end: " << killedMidway << " of 50 runs, leaving " << leftBehind
              << " temporary file(s)\n";
}

}  // namespace vortalis::testing
