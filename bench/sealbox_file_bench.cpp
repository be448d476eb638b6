// Sealbox's file transform on a large file beside plain copies of the same file,
// in one run, with the process's peak memory: the transform holds two buffers,
// so its peak must not grow with the file.
//   sealbox_file_bench [--benchmark_...]   (files go to $TMPDIR, else /tmp)

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "sealbox/core/transform_file.h"

namespace {

constexpr std::int64_t kMiB = 1 << 20;
constexpr std::size_t kCopyBufferBytes = 64 * 1024;

std::filesystem::path ScratchFolder() {
    const char* tmp = std::getenv("TMPDIR");
    const std::filesystem::path folder =
        std::filesystem::path(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") / "sealbox-bench";
    std::filesystem::create_directories(folder);
    return folder;
}

// A file of `bytes` random bytes, written a mebibyte at a time (made once per size).
std::filesystem::path SampleFile(std::int64_t bytes) {
    const auto path = ScratchFolder() / ("sample-" + std::to_string(bytes) + ".bin");
    if (std::filesystem::exists(path) &&
        std::filesystem::file_size(path) == static_cast<std::uintmax_t>(bytes))
        return path;
    std::mt19937 random(42);
    std::vector<char> chunk(kMiB);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (std::int64_t written = 0; written < bytes; written += kMiB) {
        for (char& byte : chunk) byte = static_cast<char>(random() % 255);
        out.write(chunk.data(), static_cast<std::streamsize>(std::min(kMiB, bytes - written)));
    }
    return path;
}

double PeakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // reported in KiB
}

void Report(benchmark::State& state, std::int64_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
    state.counters["peak_MiB"] = PeakResidentMiB();
}

void BM_TransformFile(benchmark::State& state) {
    const std::int64_t bytes = state.range(0) * kMiB;
    const auto file = SampleFile(bytes);
    vortalis::sealbox::SilentProgress progress;
    bool encipher = true;
    for (auto _ : state) {
        vortalis::sealbox::TransformFile(
            file, "mot de passe",
            encipher ? vortalis::CipherMode::Encipher : vortalis::CipherMode::Decipher, progress);
        encipher = !encipher;
    }
    Report(state, bytes);
}

// The same work a copy does to make a durable file: read, write beside, flush.
void BM_CopyFileFlushed(benchmark::State& state) {
    const std::int64_t bytes = state.range(0) * kMiB;
    const auto file = SampleFile(bytes);
    const auto copy = ScratchFolder() / "copy.bin";
    std::vector<char> buffer(kCopyBufferBytes);
    for (auto _ : state) {
        const int in = ::open(file.c_str(), O_RDONLY);
        const int out = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (ssize_t got; (got = ::read(in, buffer.data(), buffer.size())) > 0;) {
            if (::write(out, buffer.data(), static_cast<std::size_t>(got)) != got) {
                state.SkipWithError("write failed");
                break;
            }
        }
        ::fsync(out);
        ::close(out);
        ::close(in);
    }
    std::filesystem::remove(copy);
    Report(state, bytes);
}

// The system's own copy, left to the page cache.
void BM_CopyFileUnflushed(benchmark::State& state) {
    const std::int64_t bytes = state.range(0) * kMiB;
    const auto file = SampleFile(bytes);
    const auto copy = ScratchFolder() / "copy.bin";
    for (auto _ : state) {
        std::filesystem::copy_file(file, copy, std::filesystem::copy_options::overwrite_existing);
    }
    std::filesystem::remove(copy);
    Report(state, bytes);
}

}  // namespace

BENCHMARK(BM_TransformFile)
    ->ArgName("MiB")
    ->Arg(16)
    ->Arg(256)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyFileFlushed)
    ->ArgName("MiB")
    ->Arg(256)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyFileUnflushed)
    ->ArgName("MiB")
    ->Arg(256)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
