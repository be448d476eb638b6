// Any bytes as the record of a file rewritten in place: what the reader takes,
// written again, must read back the same.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/files/rewrite_backup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto record = vortalis::ParseRewriteRecord(text);
    if (record && vortalis::ParseRewriteRecord(vortalis::FormatRewriteRecord(*record)) != record)
        std::abort();
    return 0;
}
