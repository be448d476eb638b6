#include "program_location.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vortalis {
namespace {

std::filesystem::path ExecutablePath() {
#ifdef _WIN32
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) return std::filesystem::path(buffer.substr(0, length));
        buffer.resize(buffer.size() * 2);
    }
#else
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
#endif
}

}  // namespace

ProgramLocation CurrentProgram() {
    const std::filesystem::path path = ExecutablePath();
    return {path.parent_path(), path.filename().string(), path.stem().string()};
}

}  // namespace vortalis
