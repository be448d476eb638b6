#include "keyfold/core/keyfold_command_line.h"

namespace vortalis::keyfold {

KeyfoldFields SplitKeyfoldCommandLine(std::string_view commandLine) {
    KeyfoldFields fields;
    std::string* const order[] = {&fields.fileName, &fields.password, &fields.mode};
    std::size_t field = 0;
    for (const char character : commandLine) {
        if (character != ',') {
            *order[field] += character;
        } else if (field < 2) {
            ++field;
        }
    }
    return fields;
}

std::optional<CipherMode> ParseKeyfoldMode(std::string_view field) {
    if (field == "C" || field == "c") return CipherMode::Encipher;
    if (field == "D" || field == "d") return CipherMode::Decipher;
    return std::nullopt;
}

}  // namespace vortalis::keyfold
