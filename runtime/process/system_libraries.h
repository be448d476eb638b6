#pragma once

namespace vortalis {

// Where the programs find the system's libraries. A program's folder may be one
// its users can write (the product's own folder), so a library given a
// system library's name and put there must never be loaded in its place.

// From now on the process looks for a library named without a folder in the
// system's folder only: not beside the program, not in the current folder,
// not on PATH. Each program's first act, before anything loads a library.
// Nothing to do where libraries are not looked for beside the program.
void LoadLibrariesFromTheSystemOnly();

// The system library `library` ("msftedit.dll"), loaded from the system's
// folder whatever the search order; null when the system has none.
void* LoadSystemLibrary(const char* library);

// A function of that library, looked up when first needed rather than
// imported; null when the library or the function is missing.
void* SystemLibraryFunction(const char* library, const char* function);

}  // namespace vortalis
