#pragma once

namespace vortalis {

// Code a program opens only when it needs it (the error box's window system, the
// end sound's audio), so that starting never pays for loading it. A module lies
// beside the program: "libNAME.so" here, "NAME.dll" on Windows. Gives the named
// function, or null when the module or the function is missing.
void* CompanionFunction(const char* moduleName, const char* functionName);

}  // namespace vortalis
