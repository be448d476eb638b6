#include "runtime/text/ansi_text.h"

namespace vortalis {

std::string CommandLineAnsi(std::string_view text) { return Utf8ToAnsi(text); }

}  // namespace vortalis
