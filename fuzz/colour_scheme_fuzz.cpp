// Any bytes as Sealbox's colour file: five colours or a numbered error, nothing else.

#include <cstdint>
#include <string_view>

#include "runtime/errors/run_error.h"
#include "sealbox/core/colour_scheme.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        vortalis::sealbox::ParseColourScheme(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const vortalis::RunError&) {
        // A short or damaged file is reported, then the design colours serve.
    }
    return 0;
}
