#include <windows.h>

#include "runtime/process/system_libraries.h"
#include "runtime/text/wide_text.h"

namespace vortalis {

void LoadLibrariesFromTheSystemOnly() { SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }

void* LoadSystemLibrary(const char* library) {
    return LoadLibraryExW(Widen(library).c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

void* SystemLibraryFunction(const char* library, const char* function) {
    HMODULE module = static_cast<HMODULE>(LoadSystemLibrary(library));
    return module != nullptr ? reinterpret_cast<void*>(GetProcAddress(module, function)) : nullptr;
}

}  // namespace vortalis
