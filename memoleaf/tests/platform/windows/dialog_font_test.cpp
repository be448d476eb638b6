#include "memoleaf/platform/windows/dialog_font.h"

#include <gtest/gtest.h>

namespace vortalis::memoleaf {
namespace {

TEST(DialogFont, TheDialogStartsOnTheNotesFaceAndSizeAtTheScreensDensity) {
    const LOGFONTW at96 = DialogLogFont({"DejaVu Sans", 12, true, false}, 96);
    EXPECT_STREQ(at96.lfFaceName, L"DejaVu Sans");
    EXPECT_EQ(at96.lfHeight, -16);  // the character's height, 12 points
    EXPECT_EQ(at96.lfWeight, FW_BOLD);
    EXPECT_FALSE(at96.lfItalic);
    EXPECT_EQ(DialogLogFont({"DejaVu Sans", 12, false, true}, 192).lfHeight, -32);
    EXPECT_TRUE(DialogLogFont({"DejaVu Sans", 12, false, true}, 192).lfItalic);
}

TEST(DialogFont, WhatTheUserAcceptsComesBackAsTheNoteKeepsIt) {
    LOGFONTW chosen = DialogLogFont({"Café Serif", 9, false, true}, 96);
    EXPECT_EQ(AcceptedFont(chosen, 105), (FontChoice{"Café Serif", 10.5, false, true}));
    chosen.lfWeight = FW_SEMIBOLD;
    EXPECT_TRUE(AcceptedFont(chosen, 90).bold);
    chosen.lfWeight = FW_MEDIUM;
    EXPECT_FALSE(AcceptedFont(chosen, 90).bold);
}

TEST(DialogFont, ANameLongerThanTheSystemHoldsIsCutNotOverrun) {
    const LOGFONTW font = DialogLogFont({std::string(40, 'A'), 9, false, false}, 96);
    EXPECT_EQ(AcceptedFont(font, 90).name, std::string(LF_FACESIZE - 1, 'A'));
}

}  // namespace
}  // namespace vortalis::memoleaf
