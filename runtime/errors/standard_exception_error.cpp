#include "runtime/errors/standard_exception_error.h"

#include <string>

#include "runtime/text/utf8_path.h"

namespace vortalis {

RunError FilesystemRunError(const std::filesystem::filesystem_error& error) {
    const RunError classic(RunErrorNumber(error.code()));
    if (error.path1().empty()) return classic;
    std::string paths = InFrench(Utf8Text(error.path1()));
    if (!error.path2().empty()) paths += " et " + InFrench(Utf8Text(error.path2()));
    return About(classic, paths);
}

RunError SystemRunError(const std::system_error& error) {
    return RunError(RunErrorNumber(error.code()));
}

RunError UnforeseenRunError(const std::exception& error) {
    const std::string what = error.what();
    return About(RunError(run_error::kInvalidCall),
                 what.empty() ? "erreur imprévue" : "erreur imprévue " + InFrench(what));
}

}  // namespace vortalis
