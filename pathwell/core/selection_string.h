#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vortalis::pathwell {

// The paths an open-file dialog's selection string names, in its order: the
// string itself when it holds no NUL; otherwise, for each name after the
// folder, the folder, `separator` and the name.
std::vector<std::string> SelectedPaths(std::string_view selection, char separator);

// The selection string for several names chosen in `folder`.
std::string JoinSelection(const std::string& folder, const std::vector<std::string>& names);

}  // namespace vortalis::pathwell
