#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/files/file_system.h"

namespace vortalis {

// While a new content is written to a temporary file beside the file it will
// replace, a record in the user's state folder names that folder and is held.
// A killed writer leaves both; the next start of any of the programs removes
// the temporary files no running program holds in the folders such records
// name, wherever they lie, and then the records.
inline constexpr std::string_view kReplacementPrefix = "replacement-";

// The record goes through the system's own files, whatever files the rewrite is
// given: it is no part of the file's content, and a record that cannot be
// written only leaves the older means (the next rewrite in the same folder).
class ReplacementRecord {
  public:
    ReplacementRecord() = default;
    ~ReplacementRecord() { Drop(); }
    ReplacementRecord(const ReplacementRecord&) = delete;
    ReplacementRecord& operator=(const ReplacementRecord&) = delete;

    // Records `folder`. Without a state folder nothing is recorded: the next
    // rewrite in `folder` still removes what a killed writer left there.
    void Write(const std::filesystem::path& folder);
    // Once the temporary file is gone, or in its file's place.
    void Drop();

  private:
    FileSystem& files_ = SystemFiles();
    std::filesystem::path path_;
    FileSystem::Handle handle_ = FileSystem::kNoHandle;
};

// The recovery's part: for each replacement record among `names` (the state
// folder's entries) that no running program holds, the temporary files whose
// names start with `temporaryPrefix` are removed from the folder it names
// where no running program holds them, then the record.
void RemoveAbandonedReplacements(FileSystem& files, const std::filesystem::path& stateFolder,
                                 const std::vector<std::string>& names,
                                 const std::string& temporaryPrefix);

}  // namespace vortalis
