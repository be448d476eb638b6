// Throughput of the cipher beside a plain memory copy and beside AES-128-CTR
// (what a user would otherwise pick to encipher a file), on the same data in one
// binary, so that all figures come from the same run. Run with repetitions and
// random interleaving (bench/run does), the figures drift together and their
// medians compare.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "cipher/keyed_shift_cipher.h"
#include "cipher/period_offsets.h"
#include "cipher/period_shift_kernel.h"
#include "cipher/shift_kernel.h"
#include "cipher/shift_stream.h"

#ifdef VORTALIS_BENCH_OPENSSL
#include <openssl/evp.h>
#endif

namespace {

std::vector<std::uint8_t> SampleData(std::size_t size) {
    // Eight bytes a draw: each repetition makes its data anew.
    std::mt19937_64 random(42);
    std::vector<std::uint8_t> data(size);
    for (std::size_t at = 0; at < size; at += 8) {
        const std::uint64_t bytes = random();
        std::memcpy(data.data() + at, &bytes, std::min<std::size_t>(8, size - at));
    }
    return data;
}

void CountBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

// A whole pass as a program makes it for one file: a new cipher, so that past
// 16 MiB the time to build the table of offsets is counted too.
void BM_Transform(benchmark::State& state, vortalis::CipherMode mode) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const std::string password(static_cast<std::size_t>(state.range(1)), 'k');
    const auto in = SampleData(size);
    std::vector<std::uint8_t> out(size);
    for (auto _ : state) {
        vortalis::KeyedShiftCipher cipher;
        cipher.Start(password, mode);
        cipher.Transform(in, out);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    CountBytes(state);
}

// The kernel for long runs alone: a pass already past its first cycle, every
// offset read from the table.
void BM_LongRun(benchmark::State& state, vortalis::CipherMode mode) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const auto passwordLength = static_cast<std::uint64_t>(state.range(1));
    const auto in = SampleData(size);
    std::vector<std::uint8_t> out(std::max<std::size_t>(size, vortalis::PeriodOffsets::kPeriod));
    vortalis::ShiftStream stream;
    stream.Start(0x123456, passwordLength, mode == vortalis::CipherMode::Encipher);
    stream.Shift(out.data(), out.data(), vortalis::PeriodOffsets::kPeriod + 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(stream.Shift(in.data(), out.data(), size));
        benchmark::ClobberMemory();
    }
    // (the table's size is in the context: CSV output wants the same counters in every row)
    CountBytes(state);
}

// The same on each vector kernel this processor has, not only the best: the
// AVX2 and SSE2 figures stand for processors without AVX-512.
void BM_LongRunWith(benchmark::State& state, vortalis::ShiftKernel kernel) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const auto in = SampleData(size);
    std::vector<std::uint8_t> out(size);
    const auto offsets = vortalis::PeriodOffsets::Build(8, kernel);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            vortalis::ShiftBytesFromTable(kernel, *offsets, in.data(), out.data(), size, 0, true));
        benchmark::ClobberMemory();
    }
    CountBytes(state);
}

// As Sealbox calls it: a chunk in place, 512 bytes a call, either within a
// pass's first 16 MiB (offsets computed) or past them (offsets from the table).
void BM_InBlocks(benchmark::State& state, vortalis::CipherMode mode) {
    constexpr std::size_t kBlock = 512;
    const auto size = static_cast<std::size_t>(state.range(0));
    const bool pastFirstCycle = state.range(1) != 0;
    auto data = SampleData(std::max<std::size_t>(size, vortalis::PeriodOffsets::kPeriod));
    vortalis::KeyedShiftCipher cipher;
    const auto start = [&] {
        cipher.Start("motdepas", mode);
        if (pastFirstCycle) cipher.Transform(data, data);
    };
    start();
    const std::span<std::uint8_t> chunk(data.data(), size);
    for (auto _ : state) {
        if (!pastFirstCycle) start();
        for (std::size_t at = 0; at < size; at += kBlock) {
            const auto block = chunk.subspan(at, std::min(kBlock, size - at));
            cipher.Transform(block, block);
        }
        benchmark::ClobberMemory();
    }
    CountBytes(state);
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
    CountBytes(state);
}

#ifdef VORTALIS_BENCH_OPENSSL
void BM_Aes128Ctr(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const auto in = SampleData(size);
    std::vector<std::uint8_t> out(size);
    const unsigned char key[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    const unsigned char iv[16] = {};
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    for (auto _ : state) {
        int length = 0;
        EVP_EncryptInit_ex(context, EVP_aes_128_ctr(), nullptr, key, iv);
        EVP_EncryptUpdate(context, out.data(), &length, in.data(), static_cast<int>(size));
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    EVP_CIPHER_CTX_free(context);
    CountBytes(state);
}
#endif

constexpr std::int64_t kMiB = 1 << 20;

}  // namespace

BENCHMARK_CAPTURE(BM_Transform, Encipher, vortalis::CipherMode::Encipher)
    ->ArgNames({"bytes", "password"})
    ->ArgsProduct({{kMiB, 64 * kMiB}, {8, 300}})
    ->Args({512, 8});
BENCHMARK_CAPTURE(BM_Transform, Decipher, vortalis::CipherMode::Decipher)
    ->ArgNames({"bytes", "password"})
    ->ArgsProduct({{kMiB, 64 * kMiB}, {8}});
BENCHMARK_CAPTURE(BM_LongRun, Encipher, vortalis::CipherMode::Encipher)
    ->ArgNames({"bytes", "password"})
    ->ArgsProduct({{kMiB, 64 * kMiB}, {8, 100, 300}});
BENCHMARK_CAPTURE(BM_LongRun, Decipher, vortalis::CipherMode::Decipher)
    ->ArgNames({"bytes", "password"})
    ->ArgsProduct({{64 * kMiB}, {8}});
BENCHMARK_CAPTURE(BM_InBlocks, Encipher, vortalis::CipherMode::Encipher)
    ->ArgNames({"bytes", "table"})
    ->ArgsProduct({{kMiB}, {0, 1}});
BENCHMARK(BM_Memcpy)->ArgName("bytes")->Arg(kMiB)->Arg(64 * kMiB);
#ifdef VORTALIS_BENCH_OPENSSL
BENCHMARK(BM_Aes128Ctr)->ArgName("bytes")->Arg(kMiB)->Arg(64 * kMiB);
#endif

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::AddCustomContext("shift_kernel",
                                vortalis::ShiftKernelName(vortalis::BestShiftKernel()));
    for (std::uint64_t length : {8u, 16u, 100u, 300u}) {
        benchmark::AddCustomContext(
            "offset_table_bytes_password_" + std::to_string(length),
            std::to_string(vortalis::PeriodOffsets::MemoryBytesFor(length)));
    }
    for (const auto kernel : {vortalis::ShiftKernel::Baseline, vortalis::ShiftKernel::Avx2,
                              vortalis::ShiftKernel::Avx512}) {
        if (!vortalis::ShiftKernelAvailable(kernel)) continue;
        benchmark::RegisterBenchmark(
            (std::string("BM_LongRunWith/") + vortalis::ShiftKernelName(kernel)).c_str(),
            BM_LongRunWith, kernel)
            ->ArgNames({"bytes"})
            ->Arg(64 * kMiB);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
