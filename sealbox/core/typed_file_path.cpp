#include "sealbox/core/typed_file_path.h"

#include "runtime/text/utf8_path.h"
#include "sealbox/core/file_search.h"

namespace vortalis::sealbox {

std::string TypedFilePath(const std::string& typed) {
    const bool quoted = typed.size() > 2 && typed.front() == '"' && typed.back() == '"';
    if (!quoted || IsOrdinaryFile(Utf8Path(typed))) return typed;
    return typed.substr(1, typed.size() - 2);
}

}  // namespace vortalis::sealbox
