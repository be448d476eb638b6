#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "memoleaf/core/note_settings.h"
#include "runtime/files/file_system.h"

namespace vortalis::memoleaf {

// Whether the settings file is there: an ordinary file, neither a folder nor
// hidden (on Windows the hidden or system attribute, elsewhere a name that
// starts with ".").
bool SettingsFilePresent(const std::filesystem::path& path, FileSystem& files = SystemFiles());

// The ten fields of `path`, or the defaults when the file is absent. A file that
// is there but damaged (fewer than ten fields, a field that is not a number or
// out of range, unreadable) yields the defaults too, with the reason in `damage`
// and settingsChanged set, so that leaving through the menu writes a good file.
// The first screen font is asked for only when the defaults are needed: listing
// the system's fonts is slow.
LoadedSettings LoadSettings(const std::filesystem::path& path,
                            const std::function<std::string()>& firstScreenFont,
                            std::int32_t background, std::int32_t text,
                            FileSystem& files = SystemFiles());

// The same, with the first screen font at hand.
inline LoadedSettings LoadSettings(const std::filesystem::path& path,
                                   const std::string& firstScreenFont, std::int32_t background,
                                   std::int32_t text, FileSystem& files = SystemFiles()) {
    return LoadSettings(
        path, [&] { return firstScreenFont; }, background, text, files);
}

// The ten fields from the file's text (Windows-1252), spread over its lines in
// any way. Throws RunError saying which field stopped the reading.
NoteSettings ParseSettings(std::string_view text);

// The four CR LF lines of the file, in Windows-1252. The geometry is the
// window's at the moment of writing, in twips, rounded to whole twips.
std::string FormatSettings(double top, double left, double height, double width,
                           const NoteSettings& settings);

// Writes the file through a SafeFileWriter, making its folder when missing. A
// read-only file is refused. Throws RunError naming the file; the file is then
// left as it was.
void SaveSettings(const std::filesystem::path& path, double top, double left, double height,
                  double width, const NoteSettings& settings, FileSystem& files = SystemFiles());

}  // namespace vortalis::memoleaf
