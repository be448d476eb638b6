// Any command line through Keyfold's split: the first two fields hold no comma,
// and the three fields, read in order, are the text less its commas.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "keyfold/core/keyfold_command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const vortalis::keyfold::KeyfoldFields fields = vortalis::keyfold::SplitKeyfoldCommandLine(line);
    if (fields.fileName.find(',') != std::string::npos ||
        fields.password.find(',') != std::string::npos ||
        fields.mode.find(',') != std::string::npos) {
        std::abort();
    }
    std::string withoutCommas = line;
    withoutCommas.erase(std::remove(withoutCommas.begin(), withoutCommas.end(), ','),
                        withoutCommas.end());
    if (fields.fileName + fields.password + fields.mode != withoutCommas) std::abort();
    vortalis::keyfold::ParseKeyfoldMode(fields.mode);
    return 0;
}
