#pragma once

#include <string>

namespace vortalis {

// The program's argument vector as one command-line text: the arguments after
// the program's name joined by single spaces, nothing quoted or unquoted.
std::string JoinArguments(int argc, const char* const* argv);

}  // namespace vortalis
