#include "memoleaf/core/stored_font_name.h"

#include "runtime/errors/run_error.h"
#include "runtime/text/ansi_text.h"
#include "runtime/text/text_fields.h"

namespace vortalis::memoleaf {
namespace {

bool NeedsQuotes(const std::string& name) {
    if (name.empty()) return false;
    return name.find(',') != std::string::npos || IsBlank(name.front()) || IsBlank(name.back()) ||
           name.front() == '"';
}

}  // namespace

std::optional<std::string> FontNameProblem(const std::string& utf8Name) {
    try {
        Utf8ToAnsi(utf8Name);
    } catch (const AnsiConversionError& error) {
        return "Le nom de police " + InFrench(utf8Name) +
               " ne peut pas être enregistré dans le fichier de réglages (" + error.what() + ").";
    }
    if (utf8Name.find_first_of("\r\n") != std::string::npos) {
        return "Le nom de police " + InFrench(utf8Name) +
               " contient un saut de ligne et ne peut pas être enregistré.";
    }
    if (NeedsQuotes(utf8Name) && utf8Name.find('"') != std::string::npos) {
        return "Le nom de police " + InFrench(utf8Name) +
               " contient des guillemets et ne peut pas être enregistré.";
    }
    return std::nullopt;
}

std::string StoredFontName(const std::string& utf8Name) {
    if (std::optional<std::string> problem = FontNameProblem(utf8Name)) {
        throw RunError(run_error::kInvalidCall, *problem);
    }
    const std::string ansi = Utf8ToAnsi(utf8Name);
    return NeedsQuotes(utf8Name) ? '"' + ansi + '"' : ansi;
}

}  // namespace vortalis::memoleaf
