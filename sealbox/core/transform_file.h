#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

#include "cipher/keyed_shift_cipher.h"
#include "runtime/files/file_system.h"

namespace vortalis::sealbox {

// Where a file transform reports how far it has gone: once Begin, then one Step
// per 512-byte block, the file's final block of 0 to 511 bytes included, so that
// the value ends exactly on the maximum.
class TransformProgress {
  public:
    virtual ~TransformProgress() = default;
    virtual void Begin(std::uint64_t minimum, std::uint64_t maximum) = 0;
    virtual void Step() = 0;
    // Still at work, though maybe no block is done: called between chunks and
    // every few milliseconds while the transform waits on the disk, so that
    // the caller may give its window a turn however slow the disk.
    virtual void KeepAlive() {}
};

// For callers with nobody to show progress to.
class SilentProgress final : public TransformProgress {
  public:
    void Begin(std::uint64_t, std::uint64_t) override {}
    void Step() override {}
};

// Asked, once the whole file is enciphered and before it replaces the original,
// whether to go on although `lostBytes` bytes 255 will decipher as 0.
using LossConfirmation = std::function<bool(std::uint64_t lostBytes)>;

enum class TransformResult { Rewritten, LeftUntouched };

inline constexpr std::size_t kTransformBlockBytes = 512;
// The file is read, transformed and written this much at a time (2 MiB), the
// cipher and the progress still going block by block. Two chunks are held, one
// transformed while the other is written: the memory stays 4 MiB whatever the
// file's size, and a chunk is large enough that the hand-overs between the
// threads cost little against the copy itself.
inline constexpr std::size_t kTransformChunkBytes = 4096 * kTransformBlockBytes;

// Enciphers or deciphers the file at `path` under `password`, block by block,
// through a SafeFileWriter: a temporary file that replaces it, or the file itself
// with a backup. Throws RunError when the file cannot be opened, read or written;
// the original is then left exactly as it was, as it is when the loss is refused. Without
// `confirmLoss` a loss is accepted. Progress, the question and the error all come on the
// calling thread; the writes, and the reads and the replacement's steps that may take
// long, run on threads of their own, while the calling thread keeps alive.
TransformResult TransformFile(const std::filesystem::path& path, std::string_view password,
                              CipherMode mode, TransformProgress& progress,
                              const LossConfirmation& confirmLoss = {},
                              FileSystem& files = SystemFiles());

}  // namespace vortalis::sealbox
