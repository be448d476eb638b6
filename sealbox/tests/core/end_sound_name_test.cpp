#include "sealbox/core/end_sound_name.h"

#include <gtest/gtest.h>

namespace vortalis::sealbox {
namespace {

TEST(EndSoundNameTest, IsTheProgramsNameLessThreeCharactersThenFin) {
    EXPECT_EQ(EndSoundPath({"/opt/vortalis", "Sealbox", "Sealbox"}),
              std::filesystem::path("/opt/vortalis/Sealfin.WAV"));
    EXPECT_EQ(EndSoundPath({"/opt/vortalis", "CRYPTAGE.EXE", "CRYPTAGE"}),
              std::filesystem::path("/opt/vortalis/CRYPTfin.WAV"));
}

}  // namespace
}  // namespace vortalis::sealbox
