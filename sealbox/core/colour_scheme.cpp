#include "sealbox/core/colour_scheme.h"

#include <limits>
#include <string>
#include <vector>

#include "runtime/errors/run_error.h"
#include "runtime/files/read_file_start.h"
#include "runtime/text/text_fields.h"
#include "runtime/text/utf8_path.h"

namespace vortalis::sealbox {
namespace {

constexpr std::size_t kSkippedFields = 20;
// A colour file is small; a large file named by mistake is not loaded whole.
constexpr std::size_t kMostBytesRead = 1 << 20;

constexpr std::int32_t SystemColour(std::uint32_t reference) {
    return static_cast<std::int32_t>(reference);
}

std::int32_t ParseColour(const std::string& field) {
    if (!ParseNumber(field)) throw RunError(run_error::kTypeMismatch);
    const auto value = ParseWholeNumber(field, std::numeric_limits<std::int32_t>::min(),
                                        std::numeric_limits<std::int32_t>::max());
    if (!value) throw RunError(run_error::kOverflow);
    return static_cast<std::int32_t>(*value);
}

}  // namespace

ColourScheme DesignColours() {
    return {{SystemColour(0x80000005), SystemColour(0x80000008), SystemColour(0x8000000F),
             SystemColour(0x80000012), SystemColour(0x8000000F)}};
}

ColourScheme ParseColourScheme(std::string_view text, const std::string& source) {
    TextFieldReader fields(text);
    std::size_t number = 1;
    // Says which of the 25 fields stopped the reading.
    const auto inField = [&](const RunError& error) {
        return About(error, source + ", champ " + std::to_string(number) + " sur " +
                                std::to_string(kSkippedFields + ColourScheme::kCount));
    };
    for (; number <= kSkippedFields; ++number) {
        if (!fields.Next()) throw inField(RunError(run_error::kInputPastEnd));
    }
    ColourScheme scheme;
    for (std::int32_t& colour : scheme.colours) {
        const auto field = fields.Next();
        if (!field) throw inField(RunError(run_error::kInputPastEnd));
        try {
            colour = ParseColour(*field);
        } catch (const RunError& error) {
            throw inField(error);
        }
        ++number;
    }
    return scheme;
}

ColourScheme ReadColourScheme(const std::filesystem::path& path, FileSystem& files) {
    const std::vector<std::uint8_t> bytes = ReadFileStart(path, kMostBytesRead, files);
    return ParseColourScheme(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
        "fichier de couleurs " + InFrench(Utf8Text(path)));
}

}  // namespace vortalis::sealbox
