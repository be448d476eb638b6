#pragma once

#include <ostream>

namespace vortalis {

// The four programs as the tests of their .exe files find them.
struct BuiltProgram {
    const char* name;
    const char* relativePath;  // from the tests' folder: a path of the build host means
                               // nothing under Wine
};

inline void PrintTo(const BuiltProgram& program, std::ostream* out) { *out << program.name; }

inline constexpr BuiltProgram kBuiltPrograms[] = {{"Keyfold", KEYFOLD_PROGRAM},
                                                  {"Sealbox", SEALBOX_PROGRAM},
                                                  {"Memoleaf", MEMOLEAF_PROGRAM},
                                                  {"Pathwell", PATHWELL_PROGRAM}};

}  // namespace vortalis
