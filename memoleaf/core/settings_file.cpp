#include "memoleaf/core/settings_file.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "memoleaf/core/number_forms.h"
#include "memoleaf/core/stored_font_name.h"
#include "runtime/files/read_file_start.h"
#include "runtime/files/safe_file_writer.h"
#include "runtime/text/ansi_text.h"
#include "runtime/text/text_fields.h"
#include "runtime/text/utf8_path.h"

namespace vortalis::memoleaf {
namespace {

// Ten short fields never come near this; a larger file is not ours.
constexpr std::size_t kLargestSettingsFile = 64 * 1024;

RunError DamagedFile(const std::filesystem::path& path, const RunError& cause) {
    return RunError(cause.Number(), "Le fichier de réglages " + InFrench(Utf8Text(path)) +
                                        " est illisible\u00A0: " + cause.Description() +
                                        ". La note s'ouvre avec les réglages par défaut\u00A0; " +
                                        InFrench("Quitter") + " réécrira le fichier.");
}

RunError UnwritableFile(const std::filesystem::path& path, const RunError& cause) {
    return RunError(cause.Number(), "Les réglages n'ont pas pu être enregistrés dans " +
                                        InFrench(Utf8Text(path)) +
                                        "\u00A0: " + cause.Description() + ".");
}

// For a file error, which names the file itself.
RunError NotSaved(const RunError& cause) {
    return RunError(cause.Number(), "Les réglages n'ont pas pu être enregistrés\u00A0: " +
                                        cause.Description() + ".");
}

std::string ReadSettingsText(const std::filesystem::path& path, FileSystem& files) {
    const std::vector<std::uint8_t> bytes = ReadFileStart(path, kLargestSettingsFile, files);
    return std::string(bytes.begin(), bytes.end());
}

// The ten fields in order, each checked as it is read.
class SettingsFields {
  public:
    explicit SettingsFields(std::string_view text) : reader_(text) {}

    // The field being read, counted from 1.
    std::size_t Position() const { return position_; }

    std::string Text() {
        ++position_;
        std::optional<std::string> field = reader_.Next();
        if (!field) throw RunError(run_error::kInputPastEnd);
        return *field;
    }

    double Geometry() {
        const std::optional<double> number = ParseNumber(Text());
        if (!number) throw RunError(run_error::kTypeMismatch);
        if (std::fabs(*number) > std::numeric_limits<std::int32_t>::max()) {
            throw RunError(run_error::kOverflow);
        }
        return *number;
    }

    template <typename Integer>
    Integer Whole() {
        const std::string field = Text();
        if (!ParseNumber(field)) throw RunError(run_error::kTypeMismatch);
        const std::optional<std::int64_t> number = ParseWholeNumber(
            field, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max());
        if (!number) throw RunError(run_error::kOverflow);
        return static_cast<Integer>(*number);
    }

    // Only exactly 1 sets a flag: 0, -1 and 2 all leave it clear.
    bool Flag() { return Whole<std::int16_t>() == 1; }

  private:
    TextFieldReader reader_;
    std::size_t position_ = 0;
};

NoteSettings ParseFields(SettingsFields& fields) {
    NoteSettings settings;
    settings.windowTop = fields.Geometry();
    settings.windowLeft = fields.Geometry();
    settings.windowHeight = fields.Geometry();
    settings.windowWidth = fields.Geometry();
    settings.fontName = AnsiToUtf8(fields.Text());
    settings.fontSize = fields.Whole<std::int16_t>();
    settings.fontBold = fields.Flag();
    settings.fontItalic = fields.Flag();
    settings.noteColours[kBackgroundColour] = fields.Whole<std::int32_t>();
    settings.noteColours[kTextColour] = fields.Whole<std::int32_t>();
    return settings;
}

std::int64_t WholeTwips(double twips) { return static_cast<std::int64_t>(std::nearbyint(twips)); }

std::string FlagText(bool set) { return set ? "1" : "0"; }

void MakeFolder(const std::filesystem::path& path, FileSystem& files) {
    const std::filesystem::path folder = path.parent_path();
    if (folder.empty()) return;
    if (std::error_code error = files.MakeFolders(folder)) throw FileError(error, path);
}

void WriteWhole(const std::filesystem::path& path, const std::string& content, FileSystem& files) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(content.data());
    if (std::error_code error = WriteWholeFile(path, {bytes, content.size()}, files)) {
        throw FileError(error, path);
    }
}

}  // namespace

NoteSettings ParseSettings(std::string_view text) {
    SettingsFields fields(text);
    try {
        return ParseFields(fields);
    } catch (const RunError& error) {
        // Say which of the ten fields stopped the reading.
        throw RunError(error.Number(), error.Description() + " (champ " +
                                           std::to_string(fields.Position()) + " sur 10)");
    }
}

bool SettingsFilePresent(const std::filesystem::path& path, FileSystem& files) {
    const std::string name = Utf8Text(path.filename());
    if (name.empty() || IsHiddenName(name)) return false;
    FileStatus status;
    return !files.Status(path, status) && status.isRegular && !status.hidden;
}

LoadedSettings LoadSettings(const std::filesystem::path& path,
                            const std::function<std::string()>& firstScreenFont,
                            std::int32_t background, std::int32_t text, FileSystem& files) {
    std::optional<RunError> damage;
    if (SettingsFilePresent(path, files)) {
        try {
            return {ParseSettings(ReadSettingsText(path, files)), false, std::nullopt};
        } catch (const RunError& error) {
            damage = DamagedFile(path, error);
        }
    }
    return {DefaultSettings(firstScreenFont(), background, text), true, damage};
}

std::string FormatSettings(double top, double left, double height, double width,
                           const NoteSettings& settings) {
    const std::string lineEnd = "\r\n";
    return PlainForm(WholeTwips(top)) + "," + PlainForm(WholeTwips(left)) + lineEnd +
           PlainForm(WholeTwips(height)) + "," + PrintForm(WholeTwips(width)) + lineEnd +
           StoredFontName(settings.fontName) + "," + PlainForm(settings.fontSize) + "," +
           FlagText(settings.fontBold) + "," + FlagText(settings.fontItalic) + lineEnd +
           PrintForm(settings.noteColours[kBackgroundColour]) + "," +
           PrintForm(settings.noteColours[kTextColour]) + lineEnd;
}

void SaveSettings(const std::filesystem::path& path, double top, double left, double height,
                  double width, const NoteSettings& settings, FileSystem& files) {
    // Built whole before the file is touched: a name that cannot be stored
    // leaves the old file as it was.
    std::string content;
    try {
        content = FormatSettings(top, left, height, width, settings);
    } catch (const RunError& error) {
        throw UnwritableFile(path, error);
    }
    try {
        MakeFolder(path, files);
        WriteWhole(path, content, files);
    } catch (const RunError& error) {
        throw NotSaved(error);
    }
}

}  // namespace vortalis::memoleaf
