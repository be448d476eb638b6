#include <dlfcn.h>

#include <string>

#include "runtime/process/companion_module.h"
#include "runtime/process/program_location.h"

namespace vortalis {

void* CompanionFunction(const char* moduleName, const char* functionName) {
    const std::filesystem::path module =
        CurrentProgram().folder / ("lib" + std::string(moduleName) + ".so");
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    return handle != nullptr ? dlsym(handle, functionName) : nullptr;
}

}  // namespace vortalis
