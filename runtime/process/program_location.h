#pragma once

#include <filesystem>
#include <string>

namespace vortalis {

// Where the running executable lies, as the system reports it.
struct ProgramLocation {
    std::filesystem::path folder;  // the folder that holds the executable
    std::string fileName;          // e.g. "Keyfold" or "Keyfold.exe"; UTF-8
    std::string stem;              // the file name without its extension; UTF-8
};

ProgramLocation CurrentProgram();

// The running executable's full path; empty if the system will not say.
std::filesystem::path ExecutablePath();

}  // namespace vortalis
