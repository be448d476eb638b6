#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "runtime/files/file_system.h"

namespace vortalis {

// The first `most` bytes of a file (all of it when shorter). Throws RunError when
// the file cannot be opened or read.
std::vector<std::uint8_t> ReadFileStart(const std::filesystem::path& path, std::size_t most,
                                        FileSystem& files = SystemFiles());

}  // namespace vortalis
