#include "runtime/process/system_libraries.h"

namespace vortalis {

// Shared libraries are found through the loader's own paths, never beside the program.
void LoadLibrariesFromTheSystemOnly() {}

void* LoadSystemLibrary(const char* /*library*/) { return nullptr; }

void* SystemLibraryFunction(const char* /*library*/, const char* /*function*/) { return nullptr; }

}  // namespace vortalis
