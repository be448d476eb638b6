#pragma once

// The system's files, but the program stops itself (SIGSTOP) in the middle of
// the write that takes the count of bytes written past a given point, so that a
// test can kill it exactly there: every kill lands mid-write.

#include <signal.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "runtime/files/file_system.h"

namespace vortalis::testing {

class StoppingFileSystem : public FileSystem {
  public:
    explicit StoppingFileSystem(std::uint64_t stopAfter = std::numeric_limits<std::uint64_t>::max())
        : stopAfter_(stopAfter) {}

    std::error_code WriteAt(Handle handle, std::uint64_t offset,
                            std::span<const std::uint8_t> bytes) override {
        if (written_ >= stopAfter_ || written_ + bytes.size() <= stopAfter_) {
            written_ += bytes.size();
            return FileSystem::WriteAt(handle, offset, bytes);
        }
        const auto before = static_cast<std::size_t>(stopAfter_ - written_);
        written_ += bytes.size();
        if (std::error_code error = FileSystem::WriteAt(handle, offset, bytes.first(before)))
            return error;
        ::raise(SIGSTOP);
        return FileSystem::WriteAt(handle, offset + before, bytes.subspan(before));
    }

    // Bytes written in all: what a whole run writes tells where to stop others.
    std::uint64_t Written() const { return written_; }

  private:
    std::uint64_t stopAfter_;
    std::uint64_t written_ = 0;
};

}  // namespace vortalis::testing
