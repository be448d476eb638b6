#pragma once

#include <string>

namespace vortalis::sealbox {

// The file a path typed in Text1 names. The explorer's "Copy as path" wraps
// the path in double quotes: when the text as typed names no ordinary file and
// is so wrapped, the text inside is the path. Windows allows no quote in a
// name; elsewhere, where one may be, the text as typed is tried first.
std::string TypedFilePath(const std::string& typed);

}  // namespace vortalis::sealbox
