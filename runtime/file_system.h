#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

namespace vortalis {

struct FileStatus {
    std::uint64_t size = 0;
    bool isRegular = false;
    bool isDirectory = false;
    unsigned permissions = 0;     // the mode's permission bits
    std::uint64_t linkCount = 1;  // names the file has (hard links)
    unsigned owner = 0;
    unsigned group = 0;
};

// The file operations that reading and safely rewriting a file rest on, on the
// system's own calls. Each returns the system's error, or none. Tests derive from
// it to make one operation fail where the system would not.
class FileSystem {
  public:
    using Handle = int;
    static constexpr Handle kNoHandle = -1;

    virtual ~FileSystem() = default;

    // Follows symbolic links.
    virtual std::error_code Status(const std::filesystem::path& path, FileStatus& status);
    virtual std::error_code OpenForReading(const std::filesystem::path& path, Handle& handle);
    // An existing file, neither created nor truncated.
    virtual std::error_code OpenForWriting(const std::filesystem::path& path, Handle& handle);
    // A new, empty file in `folder` whose name starts with `prefix`; its path is
    // returned. It is held (locked) for as long as its handle is open.
    virtual std::error_code CreateTemporary(const std::filesystem::path& folder,
                                            const std::string& prefix, std::filesystem::path& path,
                                            Handle& handle);
    // Reads until `bytes` is full or the file ends; `count` says how much came.
    virtual std::error_code ReadAt(Handle handle, std::uint64_t offset,
                                   std::span<std::uint8_t> bytes, std::size_t& count);
    virtual std::error_code WriteAt(Handle handle, std::uint64_t offset,
                                    std::span<const std::uint8_t> bytes);
    virtual std::error_code SetPermissions(Handle handle, const FileStatus& like);
    virtual std::error_code Flush(Handle handle);
    virtual std::error_code Close(Handle handle);
    // Replaces `to` in one step.
    virtual std::error_code Rename(const std::filesystem::path& from,
                                   const std::filesystem::path& to);
    virtual std::error_code Remove(const std::filesystem::path& path);
    virtual std::error_code FlushFolder(const std::filesystem::path& folder);
    // Removes the files in `folder` whose names start with `prefix` and that no
    // running program holds: what a killed program left behind.
    virtual void RemoveAbandonedTemporaries(const std::filesystem::path& folder,
                                            const std::string& prefix);
};

// The system's own file operations, shared by the whole program.
FileSystem& SystemFiles();

}  // namespace vortalis
