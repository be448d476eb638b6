#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/files/file_system.h"

namespace vortalis::keyfold {

// The largest file Keyfold takes: it serves small password files.
inline constexpr std::uint64_t kKeyfoldLargestFile = 32767;

// The whole run: split the command line, seed the cipher, read the file,
// transform it and put the result in its place. Throws RunError on any failure,
// and then the file is exactly as it was. `commandLine` is the text as the
// product hands it over (Windows' ANSI code page there); `shownCommandLine`, when
// given, the same as the system shows it in UTF-8, which names a file whose name
// that code page cannot carry.
void RunKeyfold(std::string_view commandLine, FileSystem& files = SystemFiles(),
                std::string_view shownCommandLine = {});

}  // namespace vortalis::keyfold
