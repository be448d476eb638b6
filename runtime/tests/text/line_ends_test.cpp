#include "runtime/text/line_ends.h"

#include <gtest/gtest.h>

namespace vortalis {
namespace {

TEST(LineEnds, WindowsTextGetsSingleLfsAndBackWithoutDoublingACrLf) {
    EXPECT_EQ(ShownLines("un\r\ndeux\r\n"), "un\ndeux\n");
    EXPECT_EQ(WindowsLines("un\ndeux\n"), "un\r\ndeux\r\n");
    EXPECT_EQ(WindowsLines("un\r\ndeux\ntrois"), "un\r\ndeux\r\ntrois");
    EXPECT_EQ(WindowsLines("\n\n"), "\r\n\r\n");
    EXPECT_EQ(WindowsLines(ShownLines("été\r\n\r\nà")), "été\r\n\r\nà");
}

}  // namespace
}  // namespace vortalis
