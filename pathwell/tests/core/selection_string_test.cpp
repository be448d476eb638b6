#include "pathwell/core/selection_string.h"

#include <gtest/gtest.h>

#include "pathwell/core/dialog_buffer.h"
#include "pathwell/core/dialog_filter.h"

namespace vortalis::pathwell {
namespace {

using namespace std::string_literals;
using Paths = std::vector<std::string>;

TEST(SelectedPaths, AreTheWholeStringForOneFile) {
    EXPECT_EQ(SelectedPaths("C:\\Mes Documents\\lettre à Léa.txt", '\\'),
              (Paths{"C:\\Mes Documents\\lettre à Léa.txt"}));
}

TEST(SelectedPaths, JoinTheFolderAndEachOfThreeNamesInOrder) {
    EXPECT_EQ(SelectedPaths("C:\\Temp\0un.txt\0deux.txt\0trois.txt"s, '\\'),
              (Paths{"C:\\Temp\\un.txt", "C:\\Temp\\deux.txt", "C:\\Temp\\trois.txt"}));
}

TEST(SelectedPaths, KeepBlanksInFolderAndNames) {
    EXPECT_EQ(SelectedPaths("/home/Mes Docs \0 a b \0c  d"s, '/'),
              (Paths{"/home/Mes Docs / a b ", "/home/Mes Docs /c  d"}));
}

TEST(SelectedPaths, AlwaysInsertTheSeparatorEvenAfterARootFolder) {
    EXPECT_EQ(SelectedPaths("C:\\\0a\0b"s, '\\'), (Paths{"C:\\\\a", "C:\\\\b"}));
}

TEST(SelectedPaths, HaveNoLengthLimitBeyondSixteenBitPositions) {
    const std::string longName(40000, 'x');
    const Paths paths = SelectedPaths(JoinSelection("/d", {longName, "y"}), '/');
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0], "/d/" + longName);
    EXPECT_EQ(paths[1], "/d/y");
}

TEST(JoinSelection, GivesBackTheNamesSelectedPathsReads) {
    EXPECT_EQ(SelectedPaths(JoinSelection("/a b", {"x y", "z"}), '/'),
              (Paths{"/a b/x y", "/a b/z"}));
}

TEST(FilterEntries, PairDescriptionsWithPatterns) {
    EXPECT_EQ(FilterEntries("Tous|*|*|*"), (std::vector<FilterEntry>{{"Tous", "*"}, {"*", "*"}}));
    EXPECT_EQ(FilterEntries("Textes|*.txt|Seul"), (std::vector<FilterEntry>{{"Textes", "*.txt"}}));
    EXPECT_TRUE(FilterEntries("").empty());
}

}  // namespace
}  // namespace vortalis::pathwell

namespace vortalis::pathwell {
namespace {

using namespace std::string_literals;

TEST(DialogBuffers, GiveTheTextBeforeTheFirstNul) {
    EXPECT_EQ(TextBeforeNul("C:\\WINDOWS\\NOTEPAD.EXE\0   "s), "C:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(TextBeforeNul("sans fin"), "sans fin");
}

TEST(DialogBuffers, GiveNoPathWhenTheBlankBufferWasLeftUntouched) {
    EXPECT_EQ(PathFromBlankBuffer(std::string(512, ' ')), "");
    EXPECT_EQ(PathFromBlankBuffer("\0"s + std::string(511, ' ')), "");
    EXPECT_EQ(PathFromBlankBuffer("C:\\Temp\0"s + std::string(504, ' ')), "C:\\Temp");
}

TEST(DialogBuffers, GiveTheSelectionStringUpToTheDoubleNul) {
    EXPECT_EQ(SelectionFromDialogBuffer("C:\\a.txt\0\0\0\0"s), "C:\\a.txt");
    EXPECT_EQ(SelectionFromDialogBuffer("C:\\Temp\0a b\0c\0\0xx"s), "C:\\Temp\0a b\0c"s);
}

}  // namespace
}  // namespace vortalis::pathwell
