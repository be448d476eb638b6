#include "memoleaf/core/settings_path.h"

#include <gtest/gtest.h>

#include "runtime/tests/support/fake_user_places.h"
#include "runtime/text/utf8_path.h"

namespace vortalis::memoleaf {
namespace {

TEST(BuildSettingsPath, PutsOneSeparatorBetweenAWindowsFolderAndTheName) {
    EXPECT_EQ(BuildSettingsPath("C:\\Outils", "Memoleaf"), "C:\\Outils\\Memoleaf.PRM");
    EXPECT_EQ(BuildSettingsPath("C:\\", "Memoleaf"), "C:\\Memoleaf.PRM");
    EXPECT_EQ(BuildSettingsPath("D:\\Outils\\", "memoLEAF"), "D:\\Outils\\memoLEAF.PRM");
    EXPECT_EQ(BuildSettingsPath("\\\\serveur\\partage", "Memoleaf"),
              "\\\\serveur\\partage\\Memoleaf.PRM");
}

TEST(BuildSettingsPath, UsesTheSlashForThisPlatformsFolders) {
    EXPECT_EQ(BuildSettingsPath("/opt/outils", "Memoleaf"), "/opt/outils/Memoleaf.PRM");
    EXPECT_EQ(BuildSettingsPath("/", "Memoleaf"), "/Memoleaf.PRM");
    EXPECT_EQ(BuildSettingsPath("/home/a\\b", "Memoleaf"), "/home/a\\b/Memoleaf.PRM");
}

class ChooseSettingsPathTest : public ::testing::Test {
  protected:
    ProgramLocation program{"/home/lea/vortalis", "Memoleaf", "Memoleaf"};
    vortalis::testing::FakeUserPlaces places;

    ChooseSettingsPathTest() { places.everyFolderWritable = true; }

    std::string Chosen() const { return ChooseSettingsPath(program, places).string(); }
};

TEST_F(ChooseSettingsPathTest, KeepsTheFileBesideTheProgramInTheProductsOwnFolder) {
    places.environment["XDG_CONFIG_HOME"] = "/home/lea/.cfg";
    EXPECT_EQ(Chosen(), "/home/lea/vortalis/Memoleaf.PRM");
}

// Windows' narrow paths are not UTF-8: the accents must survive both crossings.
TEST_F(ChooseSettingsPathTest, KeepsAnAccentedFolderAsItIs) {
    program.folder = Utf8Path("/home/léa/pense-bête");
    EXPECT_EQ(Utf8Text(ChooseSettingsPath(program, places)), "/home/léa/pense-bête/Memoleaf.PRM");
}

#ifdef _WIN32
TEST_F(ChooseSettingsPathTest, AnInstalledProgramUsesTheUsersApplicationData) {
    program.folder = "C:\\Program Files\\VORTALIS";  // an administrator may write there
    places.environment = {{"ProgramFiles", "C:\\Program Files"},
                          {"APPDATA", "C:\\Users\\Léa\\AppData\\Roaming"}};
    EXPECT_EQ(Utf8Text(ChooseSettingsPath(program, places)),
              "C:\\Users\\Léa\\AppData\\Roaming\\Memoleaf\\Memoleaf.PRM");
}
#else
TEST_F(ChooseSettingsPathTest, OtherwiseUsesTheUsersConfigurationFolder) {
    places.everyFolderWritable = false;
    places.environment["HOME"] = "/home/lea";
    EXPECT_EQ(Chosen(), "/home/lea/.config/Memoleaf/Memoleaf.PRM");
    places.environment["XDG_CONFIG_HOME"] = "/home/lea/.cfg";
    EXPECT_EQ(Chosen(), "/home/lea/.cfg/Memoleaf/Memoleaf.PRM");
}

TEST_F(ChooseSettingsPathTest, AnInstalledProgramUsesItEvenWhereItMayWriteBesideItself) {
    program.folder = "/usr/libexec/vortalis";  // root may write there
    places.environment["HOME"] = "/root";
    EXPECT_EQ(Chosen(), "/root/.config/Memoleaf/Memoleaf.PRM");
}

TEST_F(ChooseSettingsPathTest, IgnoresRelativeConfigurationFolders) {
    places.everyFolderWritable = false;
    places.environment["XDG_CONFIG_HOME"] = "cfg";
    places.environment["HOME"] = "/home/lea";
    EXPECT_EQ(Chosen(), "/home/lea/.config/Memoleaf/Memoleaf.PRM");
    places.environment["HOME"] = "lea";
    EXPECT_EQ(Chosen(), "/home/lea/vortalis/Memoleaf.PRM");
}
#endif

}  // namespace
}  // namespace vortalis::memoleaf
