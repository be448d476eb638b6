// Throughput of the cipher's hot loop beside a plain memory copy of the same size,
// in one binary, so that both figures come from the same run on the same machine.

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "keyed_shift_cipher.h"

namespace {

std::vector<std::uint8_t> SampleData(std::size_t size) {
    std::mt19937 random(42);
    std::vector<std::uint8_t> data(size);
    for (auto& byte : data) byte = static_cast<std::uint8_t>(random());
    return data;
}

void BM_Transform(benchmark::State& state, vortalis::CipherMode mode) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const std::string password(static_cast<std::size_t>(state.range(1)), 'k');
    const auto in = SampleData(size);
    std::vector<std::uint8_t> out(size);
    vortalis::KeyedShiftCipher cipher;
    for (auto _ : state) {
        cipher.Start(password, mode);
        cipher.Transform(in, out);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_Memcpy(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const auto in = SampleData(size);
    std::vector<std::uint8_t> out(size);
    for (auto _ : state) {
        std::memcpy(out.data(), in.data(), size);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

constexpr std::int64_t kMiB = 1 << 20;

}  // namespace

BENCHMARK_CAPTURE(BM_Transform, Encipher, vortalis::CipherMode::Encipher)
    ->ArgNames({"bytes", "password"})
    ->Args({kMiB, 8})
    ->Args({kMiB, 300})
    ->Args({512, 8});
BENCHMARK_CAPTURE(BM_Transform, Decipher, vortalis::CipherMode::Decipher)
    ->ArgNames({"bytes", "password"})
    ->Args({kMiB, 8});
BENCHMARK(BM_Memcpy)->ArgName("bytes")->Arg(kMiB);

BENCHMARK_MAIN();
