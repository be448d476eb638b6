// What Pathwell's Windows dialogs hand to the wide functions and take back:
// the same NUL rules as the narrow buffers, with any letter in a name.

#include "pathwell/platform/windows/wide_dialog_text.h"

#include <gtest/gtest.h>

#include "pathwell/core/selection_string.h"

namespace vortalis::pathwell {
namespace {

using namespace std::string_literals;

// A dialog buffer as the system leaves it: the text, then NULs to its end.
std::wstring Buffer(const std::wstring& text, wchar_t fill = L'\0') {
    std::wstring buffer(512, fill);
    buffer.replace(0, text.size(), text);
    return buffer;
}

TEST(WideDialogText, TheFilterEndsEachPieceInANulAndTheWholeInTwo) {
    EXPECT_EQ(WideFilterText("Tous|*|*|*"), L"Tous\0*\0*\0*\0\0"s);
    EXPECT_EQ(WideFilterText("Été Ω|*.txt"), L"\u00C9t\u00E9 \u03A9\0*.txt\0\0"s);
}

TEST(WideDialogText, SeveralNamesComeBackAsTheSelectionStringInUtf8) {
    const std::string selection = SelectionFromWideDialogBuffer(
        Buffer(L"Z:\\Dossier \u00E9t\u00E9\0a.bat\0\u03A9 \u00E9t\u00E9.bat\0"s));
    EXPECT_EQ(selection, JoinSelection("Z:\\Dossier été", {"a.bat", "Ω été.bat"}));
    EXPECT_EQ(SelectedPaths(selection, '\\'),
              (std::vector<std::string>{"Z:\\Dossier été\\a.bat", "Z:\\Dossier été\\Ω été.bat"}));
}

TEST(WideDialogText, OneNameComesBackWhole) {
    EXPECT_EQ(SelectionFromWideDialogBuffer(Buffer(L"C:\\\u03A9 \u00E9t\u00E9.txt")),
              "C:\\Ω été.txt");
}

TEST(WideDialogText, ABlankPathBufferLeftUntouchedNamesNothing) {
    EXPECT_EQ(PathFromWideBlankBuffer(Buffer(L"", L' ')), "");
    EXPECT_EQ(PathFromWideBlankBuffer(Buffer(L"C:\\\u03A9\0"s, L' ')), "C:\\Ω");
}

}  // namespace
}  // namespace vortalis::pathwell
