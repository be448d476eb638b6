#pragma once

#include <map>
#include <optional>
#include <string>

#include "runtime/files/user_places.h"

namespace vortalis::memoleaf::testing {

// The user's places as a test sets them: whether folders may be written, and
// the environment.
class FakeUserPlaces : public UserPlaces {
  public:
    bool writable = true;
    std::map<std::string, std::string> environment;

    bool FolderWritable(const std::filesystem::path&) const override { return writable; }
    std::optional<std::string> Environment(const char* name) const override {
        const auto found = environment.find(name);
        if (found == environment.end()) return std::nullopt;
        return found->second;
    }
};

}  // namespace vortalis::memoleaf::testing
