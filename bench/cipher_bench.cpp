// Throughput of the cipher's hot loop beside a plain memory copy and beside
// AES-128-CTR (what a user would otherwise pick to encipher a file), on the same
// data in one binary, so that all figures come from the same run.

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "cipher/keyed_shift_cipher.h"

#ifdef VORTALIS_BENCH_OPENSSL
#include <openssl/evp.h>
#endif

namespace {

std::vector<std::uint8_t> SampleData(std::size_t size) {
    std::mt19937 random(42);
    std::vector<std::uint8_t> data(size);
    for (auto& byte : data) byte = static_cast<std::uint8_t>(random());
    return data;
}

void CountBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
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
BENCHMARK(BM_Memcpy)->ArgName("bytes")->Arg(kMiB)->Arg(64 * kMiB);
#ifdef VORTALIS_BENCH_OPENSSL
BENCHMARK(BM_Aes128Ctr)->ArgName("bytes")->Arg(kMiB)->Arg(64 * kMiB);
#endif

BENCHMARK_MAIN();
