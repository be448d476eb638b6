#pragma once

// A small file system of the test's own, to make a disk full or read-only for
// real: CI runs as root, and root ignores permission bits. Where mounting is not
// allowed, Mounted() is false and the test skips.

#include <sys/mount.h>

#include <filesystem>
#include <string>

namespace vortalis::testing {

class ScratchMount {
  public:
    ScratchMount(const std::filesystem::path& folder, std::size_t bytes) : folder_(folder) {
        std::filesystem::create_directories(folder_);
        const std::string options = "size=" + std::to_string(bytes);
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~ScratchMount() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool Mounted() const { return mounted_; }

    bool MakeReadOnly() {
        return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

  private:
    std::filesystem::path folder_;
    bool mounted_ = false;
};

}  // namespace vortalis::testing
