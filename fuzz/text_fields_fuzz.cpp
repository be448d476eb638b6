// Any bytes through the comma-separated field reader: it must end, never read
// past the text, and give fields free of line ends (outside quotes).

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "runtime/text/text_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vortalis::TextFieldReader reader(text);
    std::size_t total = 0;
    while (const auto field = reader.Next()) {
        total += field->size();
        if (reader.FieldsRead() > size + 1 || total > size) std::abort();
        vortalis::ParseNumber(*field);
        vortalis::ParseWholeNumber(*field, INT32_MIN, INT32_MAX);
    }
    return 0;
}
