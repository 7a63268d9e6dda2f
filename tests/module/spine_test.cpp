// Load, registration, the main loop's ready test and start-up, and the frame gates.
#include <gmock/gmock.h>

#include "tests/recording_host.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class SpineTest : public RecordingHostTest {};

TEST_F(SpineTest, FirstReadyCallStartsTheModuleOnce) {
  WriteSettings(SettingsFile::Complete().Set("Components", "bMoney", "false").Set("Components", "bAmmo", "false"));
  LoadModule();
  EXPECT_THAT(TakeTrace(), ElementsAre("initPlugin"));

  const std::vector<std::string> first = MainLoop();
  ASSERT_EQ(first.size(), 1u + 4 + 15 + 18 + 2);
  EXPECT_EQ(first[0], "MainLoop");
  EXPECT_EQ(first[1], "WriteMemory 0x00716642 0x42200000");
  EXPECT_EQ(first[5], "displaySetComponent 2 false");
  EXPECT_EQ(first[20], "LoadTextureFromFile SAMPFUNCS\\Velomark\\star\\star.png");
  EXPECT_EQ(first[38], "registerD3DCallback 17");
  EXPECT_EQ(first[39],
            "AddChatMessage 0xFFFFFFFF Plugin {AA5555}'Velomark' {FFFFFF}was loaded! Author: "
            "{AA5555}Quendril");

  EXPECT_THAT(MainLoop(), ElementsAre("MainLoop"));
}

TEST_F(SpineTest, GatedFrameDrawsNothing) {
  StartModule();
  Game().canDraw = false;
  EXPECT_THAT(Present(), ElementsAre("Present"));
  Game().canDraw = true;
  Game().chatWord = 0;
  EXPECT_THAT(Present(), ElementsAre("Present"));
}

}  // namespace
