#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace vortalis {

// Whether the system hides a file for its name alone: on POSIX a name that
// starts with a dot. Windows hides by attribute (FileStatus::hidden), not name.
bool IsHiddenName(std::string_view name);

struct FileStatus {
    std::uint64_t size = 0;
    bool isRegular = false;
    unsigned permissions = 0;     // the mode's permission bits
    std::uint64_t linkCount = 1;  // names the file has (hard links)
    unsigned owner = 0;
    unsigned group = 0;
    // Together they name the file itself, whatever its path; the creation time
    // tells it from a later file that was given the same number.
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t created = 0;  // in the system's own unit, 0 where it does not say
    // Windows: the hidden or system attribute, which keeps a file out of the
    // searches for ordinary files. Other systems hide by name alone.
    bool hidden = false;
};

// Who may read a new temporary file: as any new file of the user's, or the user
// alone (a backup of a file that may hold passwords).
enum class TemporaryAccess { AsNewFiles, OwnerOnly };

// Whether others may write a file while it is open for reading: kept out while
// a file is transformed, so that nobody changes it under the transform (where
// the system can keep them out: Windows).
enum class OtherWriters { LetIn, KeptOut };

// One entry of a folder, links followed.
struct FolderEntry {
    std::string name;  // UTF-8; what no conversion can spell shows as U+FFFD
    bool isFolder = false;
    bool isRegular = false;
    // Hidden by its name (POSIX) or by the hidden or system attribute (Windows).
    bool hidden = false;
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
    virtual std::error_code StatusOf(Handle handle, FileStatus& status);
    // Whether the running user may write the file, as the system judges it: a
    // read-only file is refused even where its folder would allow replacing it,
    // and so is one its owner may not write, whoever runs the program.
    virtual std::error_code CheckWritable(const std::filesystem::path& path);
    // Where the system keeps programs out of an open file (Windows), a file that
    // another program holds for a moment (a virus scanner, an indexer) is waited
    // for, about two seconds at most, by the opens and Rename.
    virtual std::error_code OpenForReading(const std::filesystem::path& path, Handle& handle,
                                           OtherWriters others = OtherWriters::LetIn);
    // An existing file, neither created nor truncated; other programs may read it
    // meanwhile, but not write it.
    virtual std::error_code OpenForWriting(const std::filesystem::path& path, Handle& handle);
    // A new, empty file in `folder` whose name starts with `prefix`; its path is
    // returned. It is held (locked) for as long as its handle is open, and on
    // Windows hidden until Rename gives it its place. On failure `path` is
    // empty: a name tried and found taken is another's file, and a caller that
    // removes what it made must not remove that.
    virtual std::error_code CreateTemporary(const std::filesystem::path& folder,
                                            const std::string& prefix, TemporaryAccess access,
                                            std::filesystem::path& path, Handle& handle);
    // Opens an existing file and holds it as CreateTemporary's files are held;
    // resource_unavailable_try_again while a running program holds it.
    virtual std::error_code TryHold(const std::filesystem::path& path, Handle& handle);
    // Reads until `bytes` is full or the file ends; `count` says how much came.
    virtual std::error_code ReadAt(Handle handle, std::uint64_t offset,
                                   std::span<std::uint8_t> bytes, std::size_t& count);
    virtual std::error_code WriteAt(Handle handle, std::uint64_t offset,
                                    std::span<const std::uint8_t> bytes);
    virtual std::error_code Truncate(Handle handle, std::uint64_t size);
    // Gives the file open as `handle` the owner, group, permissions and extended
    // attributes (access lists, security labels) of `original`, whose status is
    // `like`. An error when any of them cannot be made exactly the original's.
    virtual std::error_code MatchOriginal(Handle handle, const std::filesystem::path& original,
                                          const FileStatus& like);
    virtual std::error_code Flush(Handle handle);
    virtual std::error_code Close(Handle handle);
    // Puts `from` in the place of `to` in one step. A `to` that exists stays the
    // same file to the system: on Windows it keeps its attributes, its security,
    // its streams (a downloaded file's mark among them), its encryption and
    // compression, taking only `from`'s content.
    virtual std::error_code Rename(const std::filesystem::path& from,
                                   const std::filesystem::path& to);
    virtual std::error_code Remove(const std::filesystem::path& path);
    virtual std::error_code FlushFolder(const std::filesystem::path& folder);
    // The user's own folder, made with its missing parents; only the user may
    // enter a folder it makes.
    virtual std::error_code MakePrivateFolder(const std::filesystem::path& folder);
    // A folder and its missing parents, as any new folder of the user's.
    virtual std::error_code MakeFolders(const std::filesystem::path& folder);
    virtual std::error_code ListEntries(const std::filesystem::path& folder,
                                        std::vector<FolderEntry>& entries);
    // The entries' names alone (UTF-8).
    std::error_code ListFolder(const std::filesystem::path& folder,
                               std::vector<std::string>& names);
    // Removes the files in `folder` whose names start with `prefix` and that no
    // running program holds: what a killed program left behind.
    void RemoveAbandonedTemporaries(const std::filesystem::path& folder, const std::string& prefix);
    // Removes `path` unless a running program holds it.
    void RemoveUnlessHeld(const std::filesystem::path& path);
};

// The system's own file operations, shared by the whole program.
FileSystem& SystemFiles();

}  // namespace vortalis
