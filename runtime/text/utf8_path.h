#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vortalis {

// Paths as the windows show them are UTF-8 on every system. A plain narrow
// string would be read in another code page on Windows (each byte a Latin-1
// letter), so that "Ω été.txt" could neither be listed nor opened: these say
// the encoding, and are the same as the plain conversions elsewhere.
// Neither throws: what no conversion can spell (on Windows, a name with an
// unpaired surrogate, which NTFS allows) becomes U+FFFD, so that such a name is
// listed, and names no file once typed back.
std::filesystem::path Utf8Path(std::string_view utf8);
std::string Utf8Text(const std::filesystem::path& path);

}  // namespace vortalis
