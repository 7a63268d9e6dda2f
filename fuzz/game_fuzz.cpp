// Any sequence of game states through the main loop and the frames, with the module loaded
// afresh for every input from the complete default settings (every widget on). Each input
// decodes into steps: set a field of the game state to an extreme or a raw value, turn one of
// the game's objects or conditions on or off, size the screen, set or move the clock, or run a
// main-loop call or a frame. Nothing may crash or trip a sanitizer; every frame opens at most
// one drawing pass and closes it, draws within the bounds the widgets allow (module_watch.h),
// draws nothing while a gate is shut, and draws exactly the stars the wanted level asks for;
// the module starts once, and only once the game is ready.
//
// A fresh load per input keeps every finding reproducible from its input alone: the module's
// state (balance, change indicator, ammo readouts) lives only as long as the input.
#include <fuzzer/FuzzedDataProvider.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/game_folder.h"
#include "fuzz/module_watch.h"
#include "tests/settings_file.h"

namespace {

constexpr int kMostSteps = 400;

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kFloats[] = {
    kNaN, -kNaN, kInf, -kInf, 0.0f, -0.0f, std::numeric_limits<float>::denorm_min(),
    -std::numeric_limits<float>::denorm_min(), FLT_MIN, FLT_MAX, -FLT_MAX, 1.0f, -1.0f, 0.5f,
    50.0f, 99.99f, 100.0f, 100.5f, 150.0f, 3997.0f, 4000.0f, 2147483520.0f, 2147483648.0f,
    -2147483648.0f, -2147483904.0f, 1e30f};

constexpr int32_t kInts[] = {INT32_MIN, INT32_MIN + 1, -1000000, -150, -1, 0, 1, 2, 3, 4, 5, 6,
                             7, 8, 9, 10, 25, 33, 35, 36, 38, 63, 64, 65, 149, 150, 151,
                             999999999, 1000000000, INT32_MAX - 1, INT32_MAX};

constexpr int32_t kScreenSizes[] = {0, 1, -1, 2, -640, 640, 448, 800, 1920, 1080, 65536,
                                    1 << 24, INT32_MAX, INT32_MIN};

constexpr uint32_t kTicks[] = {0, 1, 3999, 4000, 4001, 0x7FFFFFFF, 0x80000000, 0xFFFFF060,
                               0xFFFFFFFF};

template <typename T, size_t N>
T Pick(FuzzedDataProvider& input, const T (&table)[N]) {
  return table[input.ConsumeIntegralInRange<size_t>(0, N - 1)];
}

// From the table most of the time, else any bit pattern.
float AnyFloat(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) return Pick(input, kFloats);
  const uint32_t bits = input.ConsumeIntegral<uint32_t>();
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

int32_t AnyInt(FuzzedDataProvider& input) {
  return input.ConsumeBool() ? Pick(input, kInts) : input.ConsumeIntegral<int32_t>();
}

int32_t AnyScreenSize(FuzzedDataProvider& input) {
  return input.ConsumeBool() ? Pick(input, kScreenSizes) : input.ConsumeIntegral<int32_t>();
}

uint32_t AnyTick(FuzzedDataProvider& input) {
  return input.ConsumeBool() ? Pick(input, kTicks) : input.ConsumeIntegral<uint32_t>();
}

// The stars a frame shows for a wanted level the game holds still: none below 1, a row of six
// up to 6, else one per level up to the widget's cap of 64.
int ExpectedStars(int32_t level) {
  if (level < 1) return 0;
  if (level < 6) return 6;
  return level < 64 ? level : 64;
}

class GameRun {
 public:
  explicit GameRun(ModuleWatch& watch) : watch_(watch) {}

  // Decodes and runs one step. Each value is taken from the input after the choice of what it
  // goes to, in the order written (make_game_seeds.py writes inputs in this encoding).
  void Step(FuzzedDataProvider& input) {
    GameState& game = host::State();
    switch (input.ConsumeIntegralInRange(0, 8)) {
      case 0: return MainLoop();
      case 1: return Present();
      case 2: {
        float* const fields[] = {&game.health, &game.armor, &game.oxygen};
        float* const field = Pick(input, fields);
        *field = AnyFloat(input);
        return;
      }
      case 3: {
        int32_t* const fields[] = {&game.money,      &game.wanted,      &game.weaponSlot,
                                   &game.weaponType, &game.weaponState, &game.clip,
                                   &game.total,      &game.systemState, &game.screenWidth,
                                   &game.screenHeight};
        const size_t field = input.ConsumeIntegralInRange<size_t>(0, std::size(fields) - 1);
        // The screen's sizes have a table of their own.
        const bool screen =
            fields[field] == &game.screenWidth || fields[field] == &game.screenHeight;
        *fields[field] = screen ? AnyScreenSize(input) : AnyInt(input);
        return;
      }
      case 4: {
        bool* const flags[] = {&game.game,       &game.ped,          &game.weapon,
                               &game.canDraw,    &game.menuActive,   &game.rightMouse,
                               &game.oxygenActive, &game.clientInitialized};
        bool* const flag = Pick(input, flags);
        *flag = input.ConsumeBool();
        return;
      }
      case 5:
        game.chatWord = input.ConsumeBool() ? 0 : input.ConsumeIntegral<uint32_t>();
        return;
      case 6: return SetTick(AnyTick(input));
      case 7: return SetTick(tick_ + AnyTick(input));  // a jump forward, wrapping
      default: {
        // A burst of main-loop calls, as the host makes between frames: the money counter
        // moves one step per call.
        const int calls = input.ConsumeIntegralInRange(1, 255);
        for (int call = 0; call < calls; ++call) MainLoop();
        return;
      }
    }
  }

 private:
  void SetTick(uint32_t tick) {
    tick_ = tick;
    host::SetTick(tick);
  }

  void MainLoop() {
    const GameState& game = host::State();
    const bool ready = game.game && game.systemState == 9 && game.clientInitialized;
    host::RunMainLoop();
    started_ = started_ || ready;
    FUZZ_CHECK(host::PresentRegistered() == started_,
               started_ ? "the module did not start in a ready game"
                        : "the module started before the game was ready");
    FUZZ_CHECK(watch_.Count("registerD3DCallback") == (started_ ? 1 : 0) &&
                   watch_.ChatLines().size() == (started_ ? 1u : 0u),
               "the start-up ran more than once");
  }

  void Present() {
    const GameState& game = host::State();
    host::RunPresent();
    const FramePass pass = watch_.FinishPresent();
    if (!started_) return;
    const bool gatesOpen = game.canDraw && game.chatWord != 0 && !game.menuActive;
    FUZZ_CHECK(pass.begun == gatesOpen, gatesOpen ? "an open frame did not draw"
                                                  : "a frame drew through a shut gate");
    if (!gatesOpen) return;
    FUZZ_CHECK(pass.stars == ExpectedStars(game.wanted),
               "wanted level " + std::to_string(game.wanted) + " drew " +
                   std::to_string(pass.stars) + " stars");
    FUZZ_CHECK(game.rightMouse || pass.crosshairs == 0, "a crosshair without the right mouse");
  }

  ModuleWatch& watch_;
  uint32_t tick_ = 0;
  bool started_ = false;
};

ModuleWatch watch;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  PrepareGameFolder();
  WriteSettingsFile(SettingsFile::Complete().Text());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const InGameFolder inGameFolder;
  FuzzedDataProvider input(data, size);
  watch.Clear(/*keepTrace=*/false);
  const FreshModule module(watch);
  GameRun run(watch);
  for (int step = 0; step < kMostSteps && input.remaining_bytes() > 0; ++step) run.Step(input);
  return 0;
}
