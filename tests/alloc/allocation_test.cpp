// Once started, the module allocates nothing: not in a main-loop call, not in a frame, with every
// widget drawing.
#include <dlfcn.h>
#include <gmock/gmock.h>

#include <cstdlib>
#include <string>
#include <type_traits>

#include "tests/alloc/allocation_counter.h"
#include "tests/recording_host.h"

using ::testing::Contains;
using ::testing::HasSubstr;

namespace {

// Sinks the optimiser must write to, so no counted allocation is elided.
int* volatile intSink = nullptr;
void* volatile blockSink = nullptr;

class AllocationTest : public RecordingHostTest {
 protected:
  // Counts the allocations of `run`, with the recorder (which allocates) detached meanwhile.
  template <typename Run>
  std::size_t AllocationsIn(Run run) {
    host::SetObserver(nullptr);
    StartCountingAllocations();
    run();
    const std::size_t count = StopCountingAllocations();
    host::SetObserver(&recorder);
    return count;
  }

  // Every widget has something to draw: armour splits the bar, the money has just changed, the
  // weapon has a clip, the right button is down and the player is wanted.
  void StartBusyHud() {
    WriteSettings(SettingsFile::Complete());
    Game().armor = 50;
    Game().money = 1000;
    Game().weaponSlot = 4;
    Game().weaponType = 31;
    Game().total = 150;
    Game().clip = 30;
    Game().rightMouse = true;
    Game().wanted = 3;
    StartModule();
  }

  // One frame's trace shows each of the five widgets.
  void ExpectEveryWidgetDraws() {
    const std::vector<std::string> frame = Present();
    EXPECT_THAT(frame, Contains("DrawBox 551 402 49 6 0x44DDDDDD")) << "armour gauge";
    EXPECT_THAT(frame, Contains(HasSubstr("dollar.png 5"))) << "money balance";
    EXPECT_THAT(frame, Contains(HasSubstr("+.png 5"))) << "money change";
    EXPECT_THAT(frame, Contains(HasSubstr(" 120 13 16 0 0xFFCCCCCC"))) << "moved clip readout";
    EXPECT_THAT(frame, Contains(HasSubstr("crosshairs\\smg.png"))) << "crosshair";
    EXPECT_THAT(frame, Contains(HasSubstr("star.png 590 140"))) << "wanted stars";
  }
};

// The count is only worth its zero if allocations in the window are seen at all.
TEST_F(AllocationTest, CountsAllocationsMadeInTheWindow) {
  EXPECT_EQ(AllocationsIn([] { intSink = new int(7); }), 1u);
  delete intSink;
  EXPECT_EQ(AllocationsIn([] { blockSink = std::malloc(24); }), 1u);
  EXPECT_EQ(AllocationsIn([] { blockSink = std::realloc(blockSink, 4096); }), 1u);
  std::free(blockSink);
  EXPECT_EQ(AllocationsIn([] { blockSink = std::calloc(3, 8); }), 1u);
  std::free(blockSink);
  EXPECT_EQ(AllocationsIn([] { blockSink = std::aligned_alloc(64, 128); }), 1u);
  std::free(blockSink);
  EXPECT_EQ(AllocationsIn([] {
              void* block = nullptr;
              if (posix_memalign(&block, 64, 128) == 0) blockSink = block;
            }),
            1u);
  std::free(blockSink);
  EXPECT_EQ(AllocationsIn([] { std::free(std::malloc(8)); }), 1u) << "a free is no allocation";
}

// The module resolves its allocation calls through the process's global symbols, where this
// executable's counting functions come first.
TEST_F(AllocationTest, ProcessWideSymbolsAreTheCountingOnes) {
  EXPECT_EQ(dlsym(RTLD_DEFAULT, "malloc"), reinterpret_cast<void*>(&malloc));
  EXPECT_EQ(dlsym(RTLD_DEFAULT, "free"), reinterpret_cast<void*>(&free));
  void* (*const plainNew)(std::size_t) = &::operator new;
  // operator new(std::size_t) by its mangled name: size_t is unsigned long (m) on 64-bit Linux
  // and unsigned int (j) on 32-bit.
  const char* const plainNewName =
      std::is_same_v<std::size_t, unsigned long> ? "_Znwm" : "_Znwj";
  EXPECT_EQ(dlsym(RTLD_DEFAULT, plainNewName), reinterpret_cast<void*>(plainNew));
}

TEST_F(AllocationTest, MainLoopCallsAndFramesAllocateNothing) {
  StartBusyHud();
  ExpectEveryWidgetDraws();

  uint32_t tick = 0;
  const std::size_t allocations = AllocationsIn([&] {
    for (int call = 0; call < 300; ++call) {
      // The money changes now and then, the indicator comes and goes, the weapon reloads.
      if (call % 25 == 0) Game().money += (call % 50 == 0) ? 300 : -450;
      tick += 700;
      host::SetTick(tick);
      Game().weaponState = call % 4;
      host::RunMainLoop();
      host::RunPresent();
    }
  });
  EXPECT_EQ(allocations, 0u);

  Game().money += 300;
  MainLoop();
  ExpectEveryWidgetDraws();
}

}  // namespace
