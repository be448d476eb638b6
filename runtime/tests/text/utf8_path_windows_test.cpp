#include <gtest/gtest.h>

#include <string>

#include "runtime/text/utf8_path.h"

namespace vortalis {
namespace {

// NTFS takes any 16-bit units as a name, and a folder may hold one that no
// conversion to UTF-8 can spell. Wine will not create one (CreateFileW answers
// "file not found"), so the name is made here rather than listed.
TEST(Utf8Path, ANameNoConversionCanSpellGetsTheReplacementCharacterAndNeverThrows) {
    const wchar_t unpairedSurrogate = 0xD800;
    const std::filesystem::path name(L"a" + std::wstring(1, unpairedSurrogate) + L"b.txt");
    EXPECT_EQ(Utf8Text(name), "a\uFFFDb.txt");
    // Typed back, it is another name, which names no file.
    EXPECT_EQ(Utf8Path(Utf8Text(name)).native(), L"a\uFFFDb.txt");
    // Text that is not UTF-8 is no path to throw on either.
    EXPECT_EQ(Utf8Path("cd\xFF").native(), L"cd\uFFFD");
}

}  // namespace
}  // namespace vortalis
