#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "runtime/files/user_places.h"

namespace vortalis::testing {

// The user's places as a test sets them: the folders the user may write and
// list (named one by one, or every folder), the environment, the current
// folder, the Documents folder.
class FakeUserPlaces : public UserPlaces {
  public:
    bool everyFolderWritable = false;
    bool everyFolderReadable = false;
    std::set<std::filesystem::path> writable;
    std::set<std::filesystem::path> readable;
    std::map<std::string, std::string> environment;
    std::filesystem::path current = "/srv/travail";
    std::optional<std::filesystem::path> documents;

    bool FolderWritable(const std::filesystem::path& folder) const override {
        return everyFolderWritable || writable.contains(folder);
    }
    bool FolderReadable(const std::filesystem::path& folder) const override {
        return everyFolderReadable || readable.contains(folder);
    }
    std::optional<std::string> Environment(const char* name) const override {
        const auto found = environment.find(name);
        if (found == environment.end()) return std::nullopt;
        return found->second;
    }
    std::filesystem::path CurrentFolder() const override { return current; }
    std::optional<std::filesystem::path> DocumentsFolder() const override { return documents; }
};

}  // namespace vortalis::testing
