// Any bytes as UTF-8 and as Windows-1252: what converts must come back unchanged.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/text/ansi_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (vortalis::Utf8ToAnsi(vortalis::AnsiToUtf8(text)) != text) std::abort();
    try {
        const std::string ansi = vortalis::Utf8ToAnsi(text);
        if (vortalis::AnsiToUtf8(ansi) != text) std::abort();
    } catch (const vortalis::AnsiConversionError&) {
        // Refused, as it should be for what has no Windows-1252 form.
    }
    return 0;
}
