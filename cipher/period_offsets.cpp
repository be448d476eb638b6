#include "cipher/period_offsets.h"

#include <cassert>
#include <new>

namespace vortalis {
namespace {

// Past this length an offset may exceed 255 and is folded: no room for a scale.
constexpr std::uint64_t kScaledLengthLimit = 256;

unsigned PartBitsFor(std::uint64_t passwordLength) {
    if (passwordLength > kScaledLengthLimit) return 0;
    unsigned bits = 0;
    while (bits < PeriodOffsets::kMostPartBits &&
           (passwordLength << (bits + 1)) <= kScaledLengthLimit)
        ++bits;
    return bits;
}

}  // namespace

PeriodOffsets::PeriodOffsets(std::uint64_t passwordLength, unsigned partBits)
    : passwordLength_(passwordLength),
      partBits_(partBits),
      modulus_(passwordLength > kScaledLengthLimit
                   ? 0
                   : static_cast<std::uint8_t>((passwordLength << partBits) & 0xFF)) {}

std::size_t PeriodOffsets::MemoryBytesFor(std::uint64_t passwordLength) {
    const unsigned bits = PartBitsFor(passwordLength);
    return (kPeriod >> bits) + (std::size_t{kRowBytes} << bits);
}

std::unique_ptr<const PeriodOffsets> PeriodOffsets::Build(std::uint64_t passwordLength,
                                                          ShiftKernel kernel) {
    std::unique_ptr<PeriodOffsets> offsets(
        new (std::nothrow) PeriodOffsets(passwordLength, PartBitsFor(passwordLength)));
    if (!offsets || !offsets->Allocate()) return nullptr;
    offsets->Fill(kernel);
    return offsets;
}

bool PeriodOffsets::Allocate() {
    // Zeroed: the first part is made by shifting zeros, and one part needs no turn.
    firstPart_.reset(new (std::nothrow) std::uint8_t[PartLength()]());
    turns_.reset(new (std::nothrow) std::uint8_t[std::size_t{kRowBytes} << partBits_]());
    return firstPart_ && turns_;
}

void PeriodOffsets::Fill(ShiftKernel kernel) {
    // Zeros enciphered are the offsets themselves: today's kernel draws them,
    // from the state before 0 so that entry n is the draw that leaves state n
    // steps from 0. With 2^bits * length <= 256 no offset needs a fold.
    const std::uint32_t beforeZero = GeneratorLeap::Steps(kPeriod - 1).Apply(0);
    const std::uint64_t scaledLength =
        partBits_ == 0 ? passwordLength_ : passwordLength_ << partBits_;
    ShiftBytesWith(kernel, firstPart_.get(), firstPart_.get(), PartLength(), beforeZero,
                   scaledLength, true);
    if (partBits_ == 0 || passwordLength_ == 0) return;

    // Part j's state at position n is the first part's plus a constant that
    // depends on n modulo `repeat` only; scaled, it is a whole turn of offsets.
    const std::uint32_t scaledModulus = static_cast<std::uint32_t>(passwordLength_) << partBits_;
    const std::uint32_t repeat = partBits_ > 2 ? 1u << (partBits_ - 2) : 1;
    const GeneratorLeap partLeap = GeneratorLeap::Steps(PartLength());
    std::uint32_t partStart = 0;
    for (std::uint32_t part = 0; part < (1u << partBits_); ++part) {
        std::uint8_t* row = turns_.get() + std::size_t{part} * kRowBytes;
        std::uint32_t there = partStart;
        std::uint32_t here = 0;
        for (std::uint32_t position = 0; position < repeat; ++position) {
            const std::uint32_t moved = (there - here) & ShiftGenerator::kStateMask;
            assert(moved % PartLength() == 0);
            const std::uint32_t ahead =
                (moved >> (24 - partBits_)) * static_cast<std::uint32_t>(passwordLength_);
            const auto turn =
                static_cast<std::uint8_t>((scaledModulus - ahead % scaledModulus) % scaledModulus);
            for (std::uint32_t k = position; k < kRowBytes; k += repeat) row[k] = turn;
            there = ShiftGenerator::Step(there);
            here = ShiftGenerator::Step(here);
        }
        partStart = partLeap.Apply(partStart);
    }
}

}  // namespace vortalis
