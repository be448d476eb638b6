#pragma once

#include <string>
#include <vector>

namespace vortalis::sealbox {

// What the folder and file lists show of a folder. Both throw RunError when the
// folder cannot be read; hidden entries are left out; names come sorted.
class FolderReader {
  public:
    virtual ~FolderReader() = default;
    virtual std::vector<std::string> Subfolders(const std::string& folder) = 0;
    virtual std::vector<std::string> OrdinaryFiles(const std::string& folder) = 0;
};

// The system's folders.
class SystemFolderReader : public FolderReader {
  public:
    std::vector<std::string> Subfolders(const std::string& folder) override;
    std::vector<std::string> OrdinaryFiles(const std::string& folder) override;
};

}  // namespace vortalis::sealbox
