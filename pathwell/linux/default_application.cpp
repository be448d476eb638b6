#include "default_application.h"

#include <filesystem>
#include <fstream>
#include <optional>

#include "executable_file.h"

namespace vortalis::pathwell {
namespace {

namespace fs = std::filesystem;

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The value of `key` in `[group]` of a desktop-style key file.
std::optional<std::string> KeyFileValue(const fs::path& file, const std::string& group,
                                        const std::string& key) {
    std::ifstream in(file);
    std::string line;
    bool inGroup = false;
    while (std::getline(in, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            inGroup = line == "[" + group + "]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inGroup && equals != std::string::npos && Trimmed(line.substr(0, equals)) == key) {
            return Trimmed(line.substr(equals + 1));
        }
    }
    return std::nullopt;
}

std::vector<std::string> SemicolonList(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t semicolon = text.find(';', start);
        const std::string item = Trimmed(text.substr(start, semicolon - start));
        if (!item.empty()) items.push_back(item);
        if (semicolon == std::string::npos) break;
        start = semicolon + 1;
    }
    return items;
}

bool IsExecutablePath(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && IsExecutableFile(status);
}

// The first word of an Exec line, with its quotes and escapes undone.
std::string ExecProgram(const std::string& exec) {
    std::string word;
    bool quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char character = exec[i];
        if (character == '"') {
            quoted = !quoted;
        } else if (character == '\\' && quoted && i + 1 < exec.size()) {
            word += exec[++i];
        } else if (character == ' ' && !quoted) {
            if (!word.empty()) break;
        } else {
            word += character;
        }
    }
    return word;
}

std::string ProgramPath(const std::string& program, const std::string& searchPath) {
    if (program.find('/') != std::string::npos) {
        return IsExecutablePath(program) ? program : std::string();
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = searchPath.find(':', start);
        const std::string folder = searchPath.substr(start, colon - start);
        if (!folder.empty() && IsExecutablePath(fs::path(folder) / program)) {
            return (fs::path(folder) / program).string();
        }
        if (colon == std::string::npos) return {};
        start = colon + 1;
    }
}

// "vendor-name.desktop" may lie in applications/ as is, or as vendor/name.desktop.
std::optional<fs::path> DesktopFile(const std::string& id, const DesktopDirectories& directories) {
    for (const fs::path& data : directories.data) {
        std::string relative = id;
        for (;;) {
            const fs::path candidate = data / "applications" / relative;
            std::error_code error;
            if (fs::is_regular_file(candidate, error)) return candidate;
            const std::size_t dash = relative.find('-');
            if (dash == std::string::npos) break;
            relative[dash] = '/';
        }
    }
    return std::nullopt;
}

std::string InstalledProgram(const std::string& id, const DesktopDirectories& directories) {
    const std::optional<fs::path> file = DesktopFile(id, directories);
    if (!file) return {};
    if (KeyFileValue(*file, "Desktop Entry", "Hidden") == "true") return {};
    const std::optional<std::string> exec = KeyFileValue(*file, "Desktop Entry", "Exec");
    return exec ? ProgramPath(ExecProgram(*exec), directories.searchPath) : std::string();
}

std::vector<fs::path> AssociationLists(const DesktopDirectories& directories) {
    std::vector<fs::path> lists;
    for (const fs::path& config : directories.config) lists.push_back(config / "mimeapps.list");
    for (const fs::path& data : directories.data) {
        lists.push_back(data / "applications" / "mimeapps.list");
    }
    return lists;
}

std::string FirstInstalledIn(const std::vector<fs::path>& files, const std::string& group,
                             const std::string& mimeType, const DesktopDirectories& directories) {
    for (const fs::path& file : files) {
        const std::optional<std::string> ids = KeyFileValue(file, group, mimeType);
        if (!ids) continue;
        for (const std::string& id : SemicolonList(*ids)) {
            const std::string program = InstalledProgram(id, directories);
            if (!program.empty()) return program;
        }
    }
    return {};
}

}  // namespace

std::string DefaultProgramFor(const std::vector<std::string>& mimeTypes,
                              const DesktopDirectories& directories) {
    const std::vector<fs::path> lists = AssociationLists(directories);
    std::vector<fs::path> caches;
    for (const fs::path& data : directories.data) {
        caches.push_back(data / "applications" / "mimeinfo.cache");
    }
    for (const std::string& mimeType : mimeTypes) {
        std::string program =
            FirstInstalledIn(lists, "Default Applications", mimeType, directories);
        if (program.empty())
            program = FirstInstalledIn(caches, "MIME Cache", mimeType, directories);
        if (!program.empty()) return program;
    }
    return {};
}

}  // namespace vortalis::pathwell
