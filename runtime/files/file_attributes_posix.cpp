// Making a replacement file the original's twin in everything but content:
// owner, group, permissions and extended attributes, in that order, since
// changing the owner clears set-id bits and changing the mode rewrites the
// access list's mask.

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <string>
#include <vector>

#include "runtime/files/file_system.h"

namespace vortalis {
namespace {

using Attributes = std::map<std::string, std::string>;

std::error_code LastError() { return {errno, std::generic_category()}; }

bool NoAttributesHere() { return errno == ENOTSUP; }

// Names come as one buffer of NUL-ended strings; the size asked first may grow
// before the second call, hence the loop.
template <typename List>
std::error_code ListNames(List list, std::vector<std::string>& names) {
    names.clear();
    for (;;) {
        const ssize_t size = list(nullptr, 0);
        if (size < 0) return NoAttributesHere() ? std::error_code{} : LastError();
        std::string buffer(static_cast<std::size_t>(size), '\0');
        const ssize_t got = list(buffer.data(), buffer.size());
        if (got < 0 && errno == ERANGE) continue;
        if (got < 0) return LastError();
        for (std::size_t at = 0; at < static_cast<std::size_t>(got);) {
            const std::size_t end = buffer.find('\0', at);
            names.push_back(buffer.substr(at, end - at));
            at = end + 1;
        }
        return {};
    }
}

template <typename Get>
std::error_code ReadValue(Get get, std::string& value) {
    for (;;) {
        const ssize_t size = get(nullptr, 0);
        if (size < 0) return LastError();
        value.assign(static_cast<std::size_t>(size), '\0');
        const ssize_t got = get(value.data(), value.size());
        if (got < 0 && errno == ERANGE) continue;
        if (got < 0) return LastError();
        value.resize(static_cast<std::size_t>(got));
        return {};
    }
}

std::error_code ReadAttributes(const std::filesystem::path& path, Attributes& attributes) {
    std::vector<std::string> names;
    const char* file = path.c_str();
    if (std::error_code error = ListNames(
            [file](char* list, std::size_t size) { return ::listxattr(file, list, size); }, names))
        return error;
    for (const std::string& name : names) {
        const auto get = [file, &name](void* value, std::size_t size) {
            return ::getxattr(file, name.c_str(), value, size);
        };
        // One the user may not read cannot be copied, so the copy would differ.
        if (std::error_code error = ReadValue(get, attributes[name])) return error;
    }
    return {};
}

std::error_code WriteAttributes(int handle, const Attributes& wanted) {
    std::vector<std::string> present;
    if (std::error_code error = ListNames(
            [handle](char* list, std::size_t size) { return ::flistxattr(handle, list, size); },
            present))
        return error;
    // What the new file took from its folder (a default access list, a label)
    // and the original lacks goes.
    for (const std::string& name : present) {
        if (!wanted.contains(name) && ::fremovexattr(handle, name.c_str()) != 0) return LastError();
    }
    for (const auto& [name, value] : wanted) {
        if (::fsetxattr(handle, name.c_str(), value.data(), value.size(), 0) != 0)
            return LastError();
    }
    return {};
}

}  // namespace

std::error_code FileSystem::MatchOriginal(Handle handle, const std::filesystem::path& original,
                                          const FileStatus& like) {
    Attributes attributes;
    if (std::error_code error = ReadAttributes(original, attributes)) return error;
    if (::fchown(handle, like.owner, like.group) != 0) return LastError();
    if (::fchmod(handle, like.permissions) != 0) return LastError();
    if (std::error_code error = WriteAttributes(handle, attributes)) return error;
    // The system may quietly drop a set-group-id bit the user may not set.
    FileStatus made;
    if (std::error_code error = StatusOf(handle, made)) return error;
    if (made.owner != like.owner || made.group != like.group ||
        made.permissions != like.permissions) {
        return std::make_error_code(std::errc::operation_not_permitted);
    }
    return {};
}

}  // namespace vortalis
