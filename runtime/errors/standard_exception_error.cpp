#include "runtime/errors/standard_exception_error.h"

#include <string>

#include "runtime/text/utf8_path.h"

namespace vortalis {
namespace {

// A system error as its portable condition where it has one: Windows' own codes
// (access denied is 5 there, EIO's number here) are numbered by what they mean.
int NumberOf(std::error_code code) {
    const std::error_condition condition = code.default_error_condition();
    if (condition.category() == std::generic_category())
        code = std::error_code(condition.value(), std::generic_category());
    return RunErrorNumber(code);
}

}  // namespace

RunError FilesystemRunError(const std::filesystem::filesystem_error& error) {
    const RunError classic(NumberOf(error.code()));
    if (error.path1().empty()) return classic;
    std::string paths = InFrench(Utf8Text(error.path1()));
    if (!error.path2().empty()) paths += " et " + InFrench(Utf8Text(error.path2()));
    return About(classic, paths);
}

RunError SystemRunError(const std::system_error& error) { return RunError(NumberOf(error.code())); }

RunError UnforeseenRunError(const std::exception& error) {
    const std::string what = error.what();
    return About(RunError(run_error::kInvalidCall),
                 what.empty() ? "erreur imprévue" : "erreur imprévue " + InFrench(what));
}

}  // namespace vortalis
