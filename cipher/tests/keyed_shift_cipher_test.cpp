#include "cipher/keyed_shift_cipher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "cipher/tests/known_vectors.h"
#include "cipher/tests/one_call_cipher.h"
#include "cipher/tests/random_password.h"
#include "cipher/tests/reference_cipher.h"

namespace vortalis {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace testing;  // the shared test helpers

Bytes RandomBytes(std::size_t count, std::mt19937& random) {
    std::uniform_int_distribution<int> byte(0, 255);
    Bytes bytes(count);
    for (auto& value : bytes) value = static_cast<std::uint8_t>(byte(random));
    return bytes;
}

TEST(KeyedShiftCipher, EnciphersTheKnownVectorsOfStoredFiles) {
    const Bytes plain = testing::KnownVectorPlain();
    for (const testing::KnownVector& vector : testing::kKnownVectors) {
        EXPECT_EQ(CipherInOneCall(vector.password, CipherMode::Encipher, plain),
                  FromHex(vector.encipheredHex))
            << vector.password;
        EXPECT_EQ(
            CipherInOneCall(vector.password, CipherMode::Decipher, FromHex(vector.encipheredHex)),
            plain)
            << vector.password;
    }
}

TEST(KeyedShiftCipher, EmptyAndOneCharacterPasswordsLeaveDataUnchanged) {
    std::mt19937 random(1);
    const Bytes data = RandomBytes(1000, random);
    for (CipherMode mode : {CipherMode::Encipher, CipherMode::Decipher}) {
        EXPECT_EQ(CipherInOneCall("", mode, data), data);
        EXPECT_EQ(CipherInOneCall("z", mode, data), data);
    }
    EXPECT_TRUE(CipherInOneCall("secret", CipherMode::Encipher, {}).empty());
}

TEST(KeyedShiftCipher, OutputDependsOnlyOnPasswordSumAndLength) {
    // "ad" and "cc" both sum to 97 + 2*100 = 99 + 2*99 = 297.
    std::mt19937 random(2);
    const Bytes data = RandomBytes(500, random);
    EXPECT_EQ(CipherInOneCall("ad", CipherMode::Encipher, data),
              CipherInOneCall("cc", CipherMode::Encipher, data));
}

TEST(KeyedShiftCipher, AnyCutIntoCallsGivesTheSameBytesAsOneCall) {
    std::mt19937 random(3);
    const Bytes data = RandomBytes(20000, random);
    const Bytes whole = CipherInOneCall("Mot de Passe", CipherMode::Encipher, data);

    auto inPieces = [&](auto nextPieceSize) {
        KeyedShiftCipher cipher;
        cipher.Start("Mot de Passe", CipherMode::Encipher);
        Bytes out;
        for (std::size_t at = 0; at < data.size();) {
            const std::size_t size = std::min(nextPieceSize(), data.size() - at);
            const Bytes piece(data.begin() + at, data.begin() + at + size);
            const Bytes done = cipher.Transform(piece);
            out.insert(out.end(), done.begin(), done.end());
            at += size;
        }
        return out;
    };
    EXPECT_EQ(inPieces([] { return std::size_t{512}; }), whole);
    std::uniform_int_distribution<std::size_t> size(0, 700);
    EXPECT_EQ(inPieces([&] { return size(random); }), whole);
}

TEST(KeyedShiftCipher, TransformsInPlace) {
    std::mt19937 random(4);
    Bytes data = RandomBytes(4097, random);
    const Bytes expected = CipherInOneCall("abcdefgh", CipherMode::Encipher, data);
    KeyedShiftCipher cipher;
    cipher.Start("abcdefgh", CipherMode::Encipher);
    cipher.Transform(data, data);
    EXPECT_EQ(data, expected);
}

// Builds the byte that puts `target` = byte +/- offset at every position.
Bytes BytesAiming(std::string_view password, CipherMode mode, int target, std::size_t count) {
    const auto offsets = ReferenceOffsets(password, count);
    Bytes bytes;
    for (std::uint64_t offset : offsets) {
        const int byte = mode == CipherMode::Encipher ? target - static_cast<int>(offset)
                                                      : target + static_cast<int>(offset);
        bytes.push_back(static_cast<std::uint8_t>(std::clamp(byte, 0, 255)));
    }
    return bytes;
}

TEST(KeyedShiftCipher, WrapsModulo255AtTheBoundaries) {
    const std::string password(256, 'x');  // offsets span 0..255
    const std::size_t count = 4000;
    const auto offsets = ReferenceOffsets(password, count);
    struct Boundary {
        CipherMode mode;
        int first;  // byte + offset, or byte - offset
        std::uint8_t result;
    };
    for (const Boundary& boundary :
         {Boundary{CipherMode::Encipher, 255, 255}, Boundary{CipherMode::Encipher, 256, 1},
          Boundary{CipherMode::Encipher, 510, 255}, Boundary{CipherMode::Decipher, 0, 0},
          Boundary{CipherMode::Decipher, -1, 254}, Boundary{CipherMode::Decipher, -255, 0}}) {
        const Bytes in = BytesAiming(password, boundary.mode, boundary.first, count);
        const Bytes out = CipherInOneCall(password, boundary.mode, in);
        int checked = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const int signedOffset =
                static_cast<int>(offsets[i]) * (boundary.mode == CipherMode::Encipher ? 1 : -1);
            if (in[i] + signedOffset != boundary.first) continue;  // clamped: not reachable here
            ASSERT_EQ(out[i], boundary.result) << "first value " << boundary.first;
            ++checked;
        }
        EXPECT_GT(checked, 0) << "first value " << boundary.first;
    }
}

TEST(KeyedShiftCipher, RoundTripKeepsEveryByteBut255WithANonZeroOffset) {
    std::mt19937 random(7);
    for (std::size_t length : {8u, 255u, 256u, 300u}) {
        const std::string password = RandomPassword(length, random);
        Bytes plain = RandomBytes(5000, random);
        for (std::size_t i = 0; i < plain.size(); i += 3) plain[i] = 0xFF;
        KeyedShiftCipher cipher;
        cipher.Start(password, CipherMode::Encipher);
        const Bytes enciphered = cipher.Transform(plain);
        const Bytes back = CipherInOneCall(password, CipherMode::Decipher, enciphered);

        const auto offsets = ReferenceOffsets(password, plain.size());
        std::uint64_t lost = 0;
        for (std::size_t i = 0; i < plain.size(); ++i) {
            const bool loses = plain[i] == 0xFF && offsets[i] != 0;
            lost += loses;
            ASSERT_EQ(back[i], loses ? 0 : plain[i]) << "length " << length << " at " << i;
        }
        EXPECT_GT(lost, 0u);
        EXPECT_EQ(cipher.UnrecoverableBytes(), lost) << "length " << length;
    }
}

TEST(KeyedShiftCipher, StartBeginsAFreshPass) {
    std::mt19937 random(8);
    Bytes data = RandomBytes(300, random);
    std::replace(data.begin(), data.end(), std::uint8_t{0xFF}, std::uint8_t{0xFE});
    KeyedShiftCipher cipher;
    cipher.Start("first", CipherMode::Encipher);
    cipher.Transform(Bytes(777, 0xFF));
    cipher.Start("second", CipherMode::Encipher);
    EXPECT_EQ(cipher.Transform(data), CipherInOneCall("second", CipherMode::Encipher, data));
    EXPECT_EQ(cipher.UnrecoverableBytes(), 0u);
}

}  // namespace
}  // namespace vortalis
