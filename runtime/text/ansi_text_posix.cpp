#include "runtime/text/ansi_text.h"
#include "runtime/text/utf8_path.h"

namespace vortalis {

std::string CommandLineAnsi(std::string_view text) { return Utf8ToAnsi(text); }

std::filesystem::path CommandLinePath(std::string_view text) { return Utf8Path(text); }

}  // namespace vortalis
