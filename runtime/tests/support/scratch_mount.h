#pragma once

// A small file system of the test's own, to make a disk full or read-only for
// real: CI runs as root, and root ignores permission bits. Where mounting is not
// allowed, Mounted() is false and the test skips.

#include <sys/mount.h>

#include <filesystem>
#include <string>
#include <vector>

#include "runtime/tests/support/temporary_folder.h"

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

// A file holding `bytes` alone on a disk of `diskBytes`, in a scratch folder.
struct FileOnSmallDisk {
    FileOnSmallDisk(std::size_t diskBytes, const std::vector<std::uint8_t>& bytes,
                    const std::string& name)
        : disk(folder / "disk", diskBytes), file(folder / "disk" / name) {
        if (disk.Mounted()) WriteBytes(file, bytes);
    }
    // Whether the file is still the only entry on its disk.
    bool Alone() const {
        return std::distance(std::filesystem::directory_iterator(file.parent_path()),
                             std::filesystem::directory_iterator()) == 1;
    }

    TemporaryFolder folder;
    ScratchMount disk;
    std::filesystem::path file;
};

}  // namespace vortalis::testing
