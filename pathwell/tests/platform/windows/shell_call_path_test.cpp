// The form of a path the shell's calls are given, decided by the system (or
// Wine) that runs the tests: an ordinary path goes as it is, one of MAX_PATH
// characters or more in a short form that names the same file.

#include "pathwell/platform/windows/shell_call_path.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "runtime/tests/support/temporary_folder.h"
#include "runtime/text/utf8_path.h"
#include "runtime/text/wide_text.h"

namespace vortalis::pathwell {
namespace {

class ShellCallPathTest : public ::testing::Test {
  protected:
    // Folders of ordinary names nested until the innermost one's path has 300
    // characters; made through the "\\?\" form, which any Windows takes.
    ShellCallPathTest() {
        while (deep.native().size() < 300) {
            deep /= "Dossier de niveau " + std::to_string(++levels);
            CreateDirectoryW(Extended(deep).c_str(), nullptr);
        }
    }

    static std::wstring Extended(const std::filesystem::path& path) {
        return L"\\\\?\\" + path.wstring();
    }

    testing::TemporaryFolder folder;
    std::filesystem::path deep = folder.Path();
    int levels = 0;
};

TEST_F(ShellCallPathTest, AnOrdinaryPathOrADeepOneWithNoFileBehindItGoesAsItIs) {
    const std::filesystem::path named = folder.Path() / Utf8Path("Un dossier au nom été long");
    std::filesystem::create_directory(named);
    EXPECT_EQ(ShellCallPath(Utf8Text(named)), named.wstring());
    const std::string missing = Utf8Text(deep / "absent.txt");
    EXPECT_EQ(ShellCallPath(missing), Widen(missing));
}

TEST_F(ShellCallPathTest, ADeepFileAndItsFolderGoInAShortFormNamingThem) {
    const std::filesystem::path file = deep / Utf8Path("Le script lancé.bat");
    std::ofstream(std::filesystem::path(Extended(file))) << "rem du dossier profond";

    const std::wstring shortFile = ShellCallPath(Utf8Text(file));
    ASSERT_LT(shortFile.size(), MAX_PATH) << "no short form under MAX_PATH on this system";
    EXPECT_FALSE(shortFile.starts_with(L"\\\\?\\")) << "the shell's calls take no \"\\\\?\\\"";
    std::string text;
    std::getline(std::ifstream(std::filesystem::path(shortFile)), text);
    EXPECT_EQ(text, "rem du dossier profond");

    // The same short form whether the path came with the "\\?\" prefix or not.
    EXPECT_EQ(ShellCallPath(Narrow(Extended(file))), shortFile);
    const std::wstring shortFolder = ShellCallPath(Utf8Text(deep));
    EXPECT_EQ(std::filesystem::path(shortFolder) / std::filesystem::path(shortFile).filename(),
              std::filesystem::path(shortFile));
}

}  // namespace
}  // namespace vortalis::pathwell
