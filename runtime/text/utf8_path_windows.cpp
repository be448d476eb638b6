#include "runtime/text/utf8_path.h"
#include "runtime/text/wide_text.h"

namespace vortalis {

// Through the system's own conversions, which put U+FFFD for what they cannot
// convert (a name with an unpaired surrogate, bytes that are not UTF-8), where
// the library's would throw.
std::filesystem::path Utf8Path(std::string_view utf8) { return std::filesystem::path(Widen(utf8)); }

std::string Utf8Text(const std::filesystem::path& path) { return Narrow(path.native()); }

}  // namespace vortalis
