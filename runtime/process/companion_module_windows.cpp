#include <windows.h>

#include <string>

#include "runtime/process/companion_module.h"
#include "runtime/process/program_location.h"
#include "runtime/text/utf8_path.h"

namespace vortalis {

void* CompanionFunction(const char* moduleName, const char* functionName) {
    const std::filesystem::path module =
        CurrentProgram().folder / Utf8Path(std::string(moduleName) + ".dll");
    const HMODULE handle = LoadLibraryW(module.c_str());
    return handle != nullptr ? reinterpret_cast<void*>(GetProcAddress(handle, functionName))
                             : nullptr;
}

}  // namespace vortalis
