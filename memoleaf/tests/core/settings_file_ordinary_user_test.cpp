// The note's settings saved by an ordinary user: a settings file the user made
// read-only is not replaced.

#include <gtest/gtest.h>

#include "runtime/tests/support/ordinary_user.h"

namespace vortalis::memoleaf {
namespace {

class SettingsOrdinaryUserTest : public testing::OrdinaryUserTest {};

TEST_F(SettingsOrdinaryUserTest, AReadOnlySettingsFileIsRefusedAndKept) {
    const std::string text = "10,20\r\n3000, 4000 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n";
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    const auto file = MakeReadOnlyFile(bytes);
    ExpectReadOnlyFileUntouched(file, bytes, RunAsUser(SETTINGS_SAVE_RUN, {file.string()}));
}

}  // namespace
}  // namespace vortalis::memoleaf
