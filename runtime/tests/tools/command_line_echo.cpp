// Writes the command-line text a program of ours takes from the system, and
// nothing else, for the tests that start it from exact command lines.

#include <cstdio>
#include <string>

#include "runtime/process/command_line.h"

int main(int argc, char** argv) {
    const std::string text = vortalis::CommandLineText(argc, argv);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}
