#pragma once

#include <system_error>

#include "runtime/files/file_system.h"

namespace vortalis::testing {

// The system's files, but with one operation failing once as a full disk, a
// refused folder or a broken device would make it fail: root, as CI runs, is
// stopped by no permission bit.
class FailingFileSystem : public FileSystem {
  public:
    enum class Operation { CreateTemporary, ReadAt, WriteAt, Flush, Rename, MatchOriginal };

    FailingFileSystem(Operation failing, std::errc error, int succeedFirst = 0)
        : failing_(failing), error_(std::make_error_code(error)), remaining_(succeedFirst) {}

    std::error_code CreateTemporary(const std::filesystem::path& folder, const std::string& prefix,
                                    TemporaryAccess access, std::filesystem::path& path,
                                    Handle& handle) override {
        if (Fails(Operation::CreateTemporary)) return error_;
        return FileSystem::CreateTemporary(folder, prefix, access, path, handle);
    }
    std::error_code ReadAt(Handle handle, std::uint64_t offset, std::span<std::uint8_t> bytes,
                           std::size_t& count) override {
        if (Fails(Operation::ReadAt)) {
            count = 0;
            return error_;
        }
        return FileSystem::ReadAt(handle, offset, bytes, count);
    }
    std::error_code WriteAt(Handle handle, std::uint64_t offset,
                            std::span<const std::uint8_t> bytes) override {
        if (Fails(Operation::WriteAt)) {
            // A disk that fills part-way: half the bytes land, then the error.
            FileSystem::WriteAt(handle, offset, bytes.first(bytes.size() / 2));
            return error_;
        }
        return FileSystem::WriteAt(handle, offset, bytes);
    }
    std::error_code Flush(Handle handle) override {
        if (Fails(Operation::Flush)) return error_;
        return FileSystem::Flush(handle);
    }
    std::error_code Rename(const std::filesystem::path& from,
                           const std::filesystem::path& to) override {
        if (Fails(Operation::Rename)) return error_;
        return FileSystem::Rename(from, to);
    }

    // Failing here, an owner or attribute that cannot be copied, sends the
    // rewrite in place, as it goes for an ordinary user.
    std::error_code MatchOriginal(Handle handle, const std::filesystem::path& original,
                                  const FileStatus& like) override {
        if (Fails(Operation::MatchOriginal)) return error_;
        return FileSystem::MatchOriginal(handle, original, like);
    }

    int Failures() const { return failures_; }

  private:
    bool Fails(Operation operation) {
        if (operation != failing_) return false;
        if (remaining_ > 0) {
            --remaining_;
            return false;
        }
        // Once only: what comes after (putting old bytes back) may succeed.
        return failures_++ == 0;
    }

    Operation failing_;
    std::error_code error_;
    int remaining_;
    int failures_ = 0;
};

}  // namespace vortalis::testing
