// The money counter: the balance rolling toward the money, the change indicator and its 4000 ms,
// their layout, and arithmetic that holds at the ends of the int32 range.
#include <gmock/gmock.h>

#include <cstdint>
#include <string>

#include "tests/module/widget_trace.h"
#include "tests/recording_host.h"

using ::testing::Contains;
using ::testing::ElementsAreArray;
using ::testing::Not;

namespace {

constexpr uint32_t kPositive = 0xFF00AA00, kNegative = 0xFFAA0000;
// Rows of the complete test settings at 640 x 448: the balance at y 40, the change 20 below.
constexpr int kBalanceY = 40, kChangeY = 60;
// More updates than any balance needs to cross the whole int32 range.
constexpr int kUpdateBound = 10000;

std::string Glyph(const std::string& glyph, int x, int y, uint32_t color) {
  return GlyphLine(glyph, x, y, 10, 14, color);
}

// The balance as the counter draws it: "$1250", "-$45".
std::string BalanceText(int64_t balance) {
  return (balance < 0 ? "-$" : "$") + std::to_string(balance < 0 ? -balance : balance);
}

// The inverse of BalanceText; fails the test for anything else.
int64_t BalanceValue(const std::string& shown) {
  const bool negative = shown.rfind("-$", 0) == 0;
  const int64_t balance = std::stoll(shown.substr(negative ? 2 : 1)) * (negative ? -1 : 1);
  EXPECT_EQ(BalanceText(balance), shown);
  return balance;
}

class MoneyCounterTest : public RecordingHostTest {
 protected:
  void Start(int32_t money) {
    WriteSettings(OnlyComponents({"bMoney"}));
    Game().money = money;
    StartModule();
  }

  std::string ShownBalance() { return GlyphText(Present(), kBalanceY); }
  std::string ShownChange() { return GlyphText(Present(), kChangeY); }

  // Runs updates until the balance drawn is the money; returns how many it took, or
  // kUpdateBound + 1 if it never got there.
  int UpdatesUntilBalanceReachesMoney() {
    const std::string target = BalanceText(Game().money);
    for (int updates = 1; updates <= kUpdateBound; ++updates) {
      MainLoop();
      TakeQueries();
      if (ShownBalance() == target) return updates;
    }
    return kUpdateBound + 1;
  }

  // Sets the money and runs updates until the balance shows it, without moving the clock.
  void SettleAt(int32_t money) {
    Game().money = money;
    if (ShownBalance() == BalanceText(money)) return;
    ASSERT_LE(UpdatesUntilBalanceReachesMoney(), kUpdateBound) << "balance never reached " << money;
  }
};

struct LayoutCase {
  const char* name;
  int32_t before, after;
  std::vector<std::string> glyphs;
};

class MoneyCounterLayout : public MoneyCounterTest,
                           public ::testing::WithParamInterface<LayoutCase> {};

// The balance settles on the new money while the change from the old one still shows.
TEST_P(MoneyCounterLayout, DrawsBalanceThenChange) {
  const LayoutCase& c = GetParam();
  Start(c.before);
  ASSERT_NO_FATAL_FAILURE(SettleAt(c.before));
  ASSERT_NO_FATAL_FAILURE(SettleAt(c.after));
  EXPECT_THAT(DrawCalls(Present()), ElementsAreArray(c.glyphs));
}

const LayoutCase kLayoutCases[] = {
    {"PositiveBalanceAndRise", 950, 1250,
     {Glyph("0", 590, kBalanceY, kPositive), Glyph("5", 580, kBalanceY, kPositive),
      Glyph("2", 570, kBalanceY, kPositive), Glyph("1", 560, kBalanceY, kPositive),
      Glyph("dollar", 550, kBalanceY, kPositive), Glyph("0", 590, kChangeY, kPositive),
      Glyph("0", 580, kChangeY, kPositive), Glyph("3", 570, kChangeY, kPositive),
      Glyph("+", 560, kChangeY, kPositive)}},
    {"NegativeBalanceAndFall", 255, -45,
     {Glyph("5", 590, kBalanceY, kNegative), Glyph("4", 580, kBalanceY, kNegative),
      Glyph("dollar", 570, kBalanceY, kNegative), Glyph("-", 560, kBalanceY, kNegative),
      Glyph("0", 590, kChangeY, kNegative), Glyph("0", 580, kChangeY, kNegative),
      Glyph("3", 570, kChangeY, kNegative), Glyph("-", 560, kChangeY, kNegative)}},
    // No change ever seen: no indicator.
    {"ZeroBalanceUnchanged", 0, 0,
     {Glyph("0", 590, kBalanceY, kPositive), Glyph("dollar", 580, kBalanceY, kPositive)}},
};

INSTANTIATE_TEST_SUITE_P(Cases, MoneyCounterLayout, ::testing::ValuesIn(kLayoutCases),
                         CaseName());

TEST_F(MoneyCounterTest, RollsFrom500To800In224Updates) {
  Start(500);
  ASSERT_NO_FATAL_FAILURE(SettleAt(500));
  Game().money = 800;
  MainLoop();
  EXPECT_EQ(ShownBalance(), "$503");
  EXPECT_EQ(ShownChange(), "+300");
  MainLoop();
  EXPECT_EQ(ShownBalance(), "$505");
  MainLoop();
  EXPECT_EQ(ShownBalance(), "$507");
  EXPECT_EQ(UpdatesUntilBalanceReachesMoney(), 224 - 3);
  MainLoop();
  EXPECT_EQ(ShownBalance(), "$800") << "a balance at the money stays";
}

TEST_F(MoneyCounterTest, RollsFrom0To1000In380Updates) {
  Start(0);
  Game().money = 1000;
  EXPECT_EQ(UpdatesUntilBalanceReachesMoney(), 380);
}

struct DistanceCase {
  int32_t distance;
  int updates;
};

class MoneyCounterDistance : public MoneyCounterTest,
                             public ::testing::WithParamInterface<DistanceCase> {};

// Within 149 of the money the balance moves one unit per update; from 150 on, 1/150 more.
TEST_P(MoneyCounterDistance, ClosesEitherWayInThisManyUpdates) {
  Start(1000);
  ASSERT_NO_FATAL_FAILURE(SettleAt(1000));
  Game().money = 1000 + GetParam().distance;
  EXPECT_EQ(UpdatesUntilBalanceReachesMoney(), GetParam().updates);
  Game().money = 1000;
  EXPECT_EQ(UpdatesUntilBalanceReachesMoney(), GetParam().updates);
}

INSTANTIATE_TEST_SUITE_P(Distances, MoneyCounterDistance,
                         ::testing::Values(DistanceCase{1, 1}, DistanceCase{149, 149},
                                           DistanceCase{150, 149}, DistanceCase{151, 150}));

class MoneyChangeExpiry : public MoneyCounterTest,
                          public ::testing::WithParamInterface<uint32_t> {};

// The indicator stays at exactly 4000 ms and goes at 4001, the difference taken modulo 2^32.
TEST_P(MoneyChangeExpiry, GoesOnlyMoreThan4000MsAfterTheChange) {
  const uint32_t stamped = GetParam();
  Start(0);
  host::SetTick(stamped);
  Game().money = 40;
  MainLoop();
  EXPECT_EQ(ShownChange(), "+40");

  host::SetTick(stamped + 4000u);
  MainLoop();
  EXPECT_EQ(ShownChange(), "+40");

  host::SetTick(stamped + 4001u);
  MainLoop();
  EXPECT_EQ(ShownChange(), "");
}

// The last two stamps put the wrap of the 32-bit tick inside the 4000 ms.
INSTANTIATE_TEST_SUITE_P(Stamps, MoneyChangeExpiry,
                         ::testing::Values(10000u, 0xFFFFF000u, 0xFFFFFF00u, 0xFFFFFFFFu));

TEST_F(MoneyCounterTest, SecondChangeReplacesTheFirstAndRestartsTheClock) {
  Start(1000);
  host::SetTick(20000);
  ASSERT_NO_FATAL_FAILURE(SettleAt(1000));
  ASSERT_EQ(ShownChange(), "") << "the change at start-up has expired";

  host::SetTick(30000);
  Game().money = 1100;
  MainLoop();
  EXPECT_EQ(ShownChange(), "+100");
  host::SetTick(31000);
  Game().money = 1000;
  MainLoop();
  EXPECT_EQ(ShownChange(), "-100");

  host::SetTick(34001);  // more than 4000 ms after the first change only
  MainLoop();
  EXPECT_EQ(ShownChange(), "-100");
  host::SetTick(35000);
  MainLoop();
  EXPECT_EQ(ShownChange(), "-100");
  host::SetTick(35001);
  MainLoop();
  EXPECT_EQ(ShownChange(), "");
}

TEST_F(MoneyCounterTest, SwitchedOffNeitherRunsNorMovesTheAmmo) {
  WriteSettings(OnlyComponents({"bAmmo"}));
  Game().weaponSlot = 4;
  Game().total = 150;
  Game().clip = 30;
  StartModule();
  host::SetTick(1000);
  Game().money = 300;
  MainLoop();
  EXPECT_THAT(TakeQueries(), Not(Contains("playerMoney")));
  const std::vector<std::string> frame = Present();
  EXPECT_EQ(GlyphText(frame, kBalanceY), "");
  EXPECT_EQ(GlyphText(frame, kChangeY), "");
  EXPECT_EQ(GlyphText(frame, 100), "30120") << "the ammo counter stays at Ammo.fY";
  EXPECT_EQ(GlyphText(frame, 120), "");
}

// The balance from one end of the int32 range toward the other: each update moves it toward the
// money and never past it.
struct CrossingCase {
  const char* name;
  int32_t from, to;
  int32_t afterFirstUpdate;
};

class MoneyBalanceCrossing : public MoneyCounterTest,
                             public ::testing::WithParamInterface<CrossingCase> {};

TEST_P(MoneyBalanceCrossing, MovesTowardTheMoneyAndNeverPassesIt) {
  const CrossingCase& c = GetParam();
  Start(0);
  ASSERT_NO_FATAL_FAILURE(SettleAt(c.from));
  Game().money = c.to;
  MainLoop();
  ASSERT_EQ(ShownBalance(), BalanceText(c.afterFirstUpdate));

  const int64_t direction = c.to > c.from ? 1 : -1;
  int64_t previous = c.afterFirstUpdate;
  for (int updates = 2; updates <= kUpdateBound && previous != c.to; ++updates) {
    MainLoop();
    TakeQueries();
    const int64_t balance = BalanceValue(ShownBalance());
    ASSERT_GT((balance - previous) * direction, 0) << "stalled after " << updates << " updates";
    ASSERT_LE((balance - c.to) * direction, 0) << "passed the money after " << updates;
    previous = balance;
  }
  EXPECT_EQ(previous, c.to);
}

// (INT32_MIN - INT32_MAX) / 150 = -28633115, one unit more: 2118850531.
INSTANTIATE_TEST_SUITE_P(
    Ends, MoneyBalanceCrossing,
    ::testing::Values(CrossingCase{"MaxToMin", INT32_MAX, INT32_MIN, 2118850531},
                      CrossingCase{"MinToMax", INT32_MIN, INT32_MAX, -2118850532}),
    CaseName());

struct ChangeCase {
  const char* name;
  int32_t from, to;
  const char* shown;
};

class MoneyChangeAmount : public MoneyCounterTest,
                          public ::testing::WithParamInterface<ChangeCase> {};

// The amount is the true difference, clamped to the int32 range where it does not fit.
TEST_P(MoneyChangeAmount, ShowsTheDifferenceClamped) {
  const ChangeCase& c = GetParam();
  Start(c.from);
  Game().money = c.to;
  MainLoop();
  EXPECT_EQ(ShownChange(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, MoneyChangeAmount,
    ::testing::Values(ChangeCase{"ZeroToMin", 0, INT32_MIN, "-2147483648"},
                      ChangeCase{"MaxToMinClamped", INT32_MAX, INT32_MIN, "-2147483648"},
                      ChangeCase{"MinToMaxClamped", INT32_MIN, INT32_MAX, "+2147483647"},
                      ChangeCase{"MinusOneToMaxClamped", -1, INT32_MAX, "+2147483647"},
                      ChangeCase{"MaxToZeroFits", INT32_MAX, 0, "-2147483647"}),
    CaseName());

}  // namespace
