#include "runtime/files/read_file_start.h"

#include "runtime/errors/run_error.h"

namespace vortalis {

std::vector<std::uint8_t> ReadFileStart(const std::filesystem::path& path, std::size_t most,
                                        FileSystem& files) {
    FileSystem::Handle handle = FileSystem::kNoHandle;
    if (std::error_code error = files.OpenForReading(path, handle))
        throw FileError(error, path, FileStep::Reading);
    std::vector<std::uint8_t> bytes(most);
    std::size_t count = 0;
    const std::error_code error = files.ReadAt(handle, 0, bytes, count);
    files.Close(handle);
    if (error) throw FileError(error, path, FileStep::Reading);
    bytes.resize(count);
    return bytes;
}

}  // namespace vortalis
