#include "memoleaf/core/settings_file.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include "runtime/tests/support/failing_file_system.h"
#include "runtime/tests/support/temporary_folder.h"

namespace vortalis::memoleaf {
namespace {

using testing::FailingFileSystem;
using testing::TemporaryFolder;

const std::string kExampleFile = "0,0\r\n4995, 4995 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n";
constexpr std::int32_t kPaleYellow = 8454143;
// System colour references: window background and window text.
constexpr auto kWindowBackground = static_cast<std::int32_t>(0x80000005u);
constexpr auto kWindowText = static_cast<std::int32_t>(0x80000008u);

std::string FileText(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = testing::ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    testing::WriteBytes(path, {text.begin(), text.end()});
}

NoteSettings ArialNote() {
    NoteSettings settings = DefaultSettings("Arial", kPaleYellow, 0);
    settings.windowTop = 0;
    settings.windowLeft = 0;
    settings.windowHeight = 4995;
    settings.windowWidth = 4995;
    return settings;
}

class SettingsFileTest : public ::testing::Test {
  protected:
    TemporaryFolder folder;
    std::filesystem::path path = folder / "Memoleaf.PRM";

    LoadedSettings Load() { return LoadSettings(path, "DejaVu Sans", kPaleYellow, 0); }

    LoadedSettings LoadText(const std::string& text) {
        WriteText(path, text);
        return Load();
    }

    void Save(const NoteSettings& settings, FileSystem& files = SystemFiles()) {
        SaveSettings(path, settings.windowTop, settings.windowLeft, settings.windowHeight,
                     settings.windowWidth, settings, files);
    }
};

TEST_F(SettingsFileTest, WritesFourCrLfLinesExactlyAsWindowsDoes) {
    Save(ArialNote());
    EXPECT_EQ(FileText(path), kExampleFile);
}

TEST_F(SettingsFileTest, WritesTheWindowGeometryInWholeTwips) {
    EXPECT_EQ(FormatSettings(7.5, 8.5, 4994.6, -0.4, ArialNote()).substr(0, 15),
              "8,8\r\n4995, 0 \r\n");
}

TEST_F(SettingsFileTest, ReadsTheExampleFieldForField) {
    const LoadedSettings loaded = LoadText(kExampleFile);
    EXPECT_EQ(loaded.settings, ArialNote());
    EXPECT_FALSE(loaded.settingsChanged);
    EXPECT_FALSE(loaded.damage);
}

TEST_F(SettingsFileTest, ReadsBackNegativeEdgesSystemColoursAndAccentedNames) {
    NoteSettings settings = ArialNote();
    settings.windowTop = -60;
    settings.windowLeft = -1200;
    settings.fontName = "Bodoni Élégante";
    settings.fontSize = 14;
    settings.fontBold = true;
    settings.fontItalic = true;
    settings.noteColours = {kWindowBackground, kWindowText};
    Save(settings);

    EXPECT_EQ(FileText(path),
              "-60,-1200\r\n4995, 4995 \r\nBodoni \xC9l\xE9gante,14,1,1\r\n"
              "-2147483643 ,-2147483640 \r\n");
    EXPECT_EQ(Load().settings, settings);
}

TEST_F(SettingsFileTest, ReadsTheTenFieldsHoweverTheyAreSpreadOverLines) {
    EXPECT_EQ(LoadText("0,0,4995,4995,Arial,9,0,0,8454143,0").settings, ArialNote());
    EXPECT_EQ(LoadText("0\n0\n4995\n4995\nArial\n9\n0\n0\n8454143\n0\n").settings, ArialNote());
    EXPECT_EQ(LoadText("0,0,4995\r\n4995,Arial,9\r\n\r\n0,0, 8454143\r\n0").settings, ArialNote());
}

TEST_F(SettingsFileTest, SetsAFlagOnlyWhenItIsExactlyOne) {
    EXPECT_FALSE(LoadText("0,0\r\n1,1\r\nArial,9,-1,2\r\n0,0\r\n").settings.fontBold);
    EXPECT_FALSE(LoadText("0,0\r\n1,1\r\nArial,9,-1,2\r\n0,0\r\n").settings.fontItalic);
    EXPECT_FALSE(LoadText("0,0\r\n1,1\r\nArial,9,2,-1\r\n0,0\r\n").settings.fontBold);
    EXPECT_TRUE(LoadText("0,0\r\n1,1\r\nArial,9,1,0\r\n0,0\r\n").settings.fontBold);
    EXPECT_TRUE(LoadText("0,0\r\n1,1\r\nArial,9,0,1\r\n0,0\r\n").settings.fontItalic);
}

TEST_F(SettingsFileTest, ReadsAQuotedFontNameWithoutItsQuotes) {
    EXPECT_EQ(LoadText("0,0\r\n1,1\r\n\"Times, New\",9,0,0\r\n0,0\r\n").settings.fontName,
              "Times, New");
}

TEST_F(SettingsFileTest, QuotesAFontNameOnlyWhereItWouldNotReadBackBare) {
    NoteSettings settings = ArialNote();
    settings.fontName = "Times, New";
    Save(settings);
    EXPECT_NE(FileText(path).find("\"Times, New\",9,0,0\r\n"), std::string::npos);
    EXPECT_EQ(Load().settings, settings);

    settings.fontName = "";  // as a file with a quoted empty name gives it
    Save(settings);
    EXPECT_NE(FileText(path).find("\r\n,9,0,0\r\n"), std::string::npos);
    EXPECT_EQ(Load().settings, settings);
}

TEST_F(SettingsFileTest, WithoutAFileGivesTheDefaultsAndAsksForAWrite) {
    const LoadedSettings loaded = Load();
    EXPECT_EQ(loaded.settings, DefaultSettings("DejaVu Sans", kPaleYellow, 0));
    EXPECT_TRUE(loaded.settingsChanged);
    EXPECT_FALSE(loaded.damage);
}

TEST_F(SettingsFileTest, AsksForTheFirstScreenFontOnlyWhenTheDefaultsAreNeeded) {
    int asked = 0;
    const auto firstFont = [&] {
        ++asked;
        return std::string("DejaVu Sans");
    };
    EXPECT_EQ(LoadSettings(path, firstFont, kPaleYellow, 0).settings.fontName, "DejaVu Sans");
    WriteText(path, kExampleFile);
    EXPECT_EQ(LoadSettings(path, firstFont, kPaleYellow, 0).settings.fontName, "Arial");
    EXPECT_EQ(asked, 1);
}

TEST_F(SettingsFileTest, CountsOnlyOrdinaryFilesAsPresent) {
#ifdef _WIN32
    // Windows hides a file by its attributes, whatever its name.
    const std::filesystem::path hidden = folder / "Cache.PRM";
    WriteText(hidden, kExampleFile);
    EXPECT_TRUE(SettingsFilePresent(hidden));
    for (const DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        ASSERT_TRUE(SetFileAttributesW(hidden.c_str(), attribute));
        if ((GetFileAttributesW(hidden.c_str()) & attribute) == 0)
            GTEST_SKIP() << "this folder's file system keeps no attributes (tmpfs under Wine)";
        EXPECT_FALSE(SettingsFilePresent(hidden)) << attribute;
    }
    for (const DWORD attribute : {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_ARCHIVE}) {
        ASSERT_TRUE(SetFileAttributesW(hidden.c_str(), attribute));
        EXPECT_TRUE(SettingsFilePresent(hidden)) << attribute;
    }
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    WriteText(folder / ".Memoleaf.PRM", kExampleFile);
    EXPECT_TRUE(SettingsFilePresent(folder / ".Memoleaf.PRM"));
#else
    const std::filesystem::path hidden = folder / ".Memoleaf.PRM";
    WriteText(hidden, kExampleFile);
    EXPECT_FALSE(SettingsFilePresent(hidden));
#endif
    const LoadedSettings loaded = LoadSettings(hidden, "DejaVu Sans", kPaleYellow, 0);
    EXPECT_TRUE(loaded.settingsChanged);
    EXPECT_FALSE(loaded.damage);
    EXPECT_EQ(loaded.settings.fontName, "DejaVu Sans");

    std::filesystem::create_directory(path);
    EXPECT_FALSE(SettingsFilePresent(path));
    EXPECT_FALSE(Load().damage);
}

TEST_F(SettingsFileTest, OpensADamagedFileOnTheDefaultsAndSaysWhichFile) {
    struct Damage {
        std::string text;
        int number;
    };
    const Damage damages[] = {
        {"", run_error::kInputPastEnd},
        {"0,0\r\n4995, 4995 \r\nArial,9,0,0\r\n 8454143 \r\n", run_error::kInputPastEnd},
        {"0,0\r\n4995, 4995 \r\nArial,neuf,0,0\r\n 8454143 , 0 \r\n", run_error::kTypeMismatch},
        {"haut,0\r\n4995, 4995 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n", run_error::kTypeMismatch},
        {"0,0\r\n4995, 4995 \r\nArial,40000,0,0\r\n 8454143 , 0 \r\n", run_error::kOverflow},
        {"0,0\r\n4995, 4995 \r\nArial,9,0,0\r\n 4294967295 , 0 \r\n", run_error::kOverflow},
        {"Times, New,9,0,0,1,1,1,1,1\r\n", run_error::kTypeMismatch},
    };
    for (const Damage& damage : damages) {
        const LoadedSettings loaded = LoadText(damage.text);
        EXPECT_EQ(loaded.settings, DefaultSettings("DejaVu Sans", kPaleYellow, 0)) << damage.text;
        EXPECT_TRUE(loaded.settingsChanged);
        ASSERT_TRUE(loaded.damage) << damage.text;
        EXPECT_EQ(loaded.damage->Number(), damage.number) << damage.text;
        EXPECT_NE(loaded.damage->Description().find(path.string()), std::string::npos);
    }
}

TEST_F(SettingsFileTest, SaysWhichFieldStoppedTheReading) {
    const auto description = [&](const std::string& text) {
        return LoadText(text).damage->Description();
    };
    EXPECT_NE(description("0,0\r\n4995, 4995 \r\nArial,neuf,0,0\r\n 8454143 , 0 \r\n")
                  .find("(champ 6 sur 10)"),
              std::string::npos);
    EXPECT_NE(description("0,0\r\n4995, 4995 \r\n").find("(champ 5 sur 10)"), std::string::npos);
}

TEST_F(SettingsFileTest, AFailedWriteLeavesTheOldFileWholeAndNamesIt) {
    WriteText(path, kExampleFile);
    NoteSettings settings = ArialNote();
    settings.fontName = "Courier New";
    for (auto operation :
         {FailingFileSystem::Operation::WriteAt, FailingFileSystem::Operation::Rename,
          FailingFileSystem::Operation::CreateTemporary}) {
        FailingFileSystem failing(operation, std::errc::no_space_on_device);
        try {
            Save(settings, failing);
            ADD_FAILURE() << "the write should have failed";
        } catch (const RunError& error) {
            EXPECT_EQ(error.Number(), run_error::kDiskFull);
            // Named once: the file error names it, the note's message does not again.
            const std::string description = error.Description();
            const std::size_t named = description.find(path.string());
            EXPECT_NE(named, std::string::npos);
            EXPECT_EQ(description.find(path.string(), named + 1), std::string::npos);
        }
        EXPECT_EQ(FileText(path), kExampleFile);
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Memoleaf.PRM"});
    }
}

TEST_F(SettingsFileTest, RefusesAFontNameWithNoWindowsFormAndWritesNothing) {
    NoteSettings settings = ArialNote();
    settings.fontName = "Noto Sans 日本";
    EXPECT_THROW(Save(settings), RunError);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(SettingsFileTest, MakesTheSettingsFolderWhenItIsMissing) {
    path = folder / "config" / "Memoleaf" / "Memoleaf.PRM";
    Save(ArialNote());
    EXPECT_EQ(FileText(path), kExampleFile);
}

}  // namespace
}  // namespace vortalis::memoleaf
