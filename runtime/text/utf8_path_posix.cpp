#include "runtime/text/utf8_path.h"

namespace vortalis {

// A path here is bytes, named in UTF-8 by convention only: they pass as they
// are, so that a name in another encoding is shown as well as can be and still
// reached, and nothing throws.
std::filesystem::path Utf8Path(std::string_view utf8) {
    return std::filesystem::path(std::string(utf8));
}

std::string Utf8Text(const std::filesystem::path& path) { return path.native(); }

}  // namespace vortalis
