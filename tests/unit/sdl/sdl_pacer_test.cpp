#include <gtest/gtest.h>

#include "app/sdl/pacer.h"

namespace vantorix::sdl {
namespace {

constexpr std::uint64_t kNanoseconds = 1'000'000'000;
constexpr std::uint64_t kPeriod = kNanoseconds / 64;  // 15.625 ms

TEST(SdlPacer, NothingIsDueWhileStopped) {
  Pacer pacer(kNanoseconds);
  EXPECT_FALSE(pacer.running());
  EXPECT_FALSE(pacer.due(10 * kNanoseconds));
  EXPECT_EQ(pacer.millisecondsUntilDue(0), 0);
  pacer.start(0);
  pacer.stop();
  EXPECT_FALSE(pacer.due(kNanoseconds));
}

TEST(SdlPacer, WaitsEndAtOrAfterTheDeadline) {
  Pacer pacer(kNanoseconds);
  pacer.start(1000);
  EXPECT_EQ(pacer.period(), kPeriod);
  const struct {
    std::uint64_t now;
    int wait;
    bool due;
  } cases[] = {
      {1000, 16, false},               // 15.625 ms rounds up
      {1000 + 15'000'000, 1, false},   // 0.625 ms
      {1000 + kPeriod - 1, 1, false},  // one count still rounds up to 1 ms
      {1000 + kPeriod, 0, true},
      {1000 + kPeriod + 5'000'000, 0, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(pacer.millisecondsUntilDue(c.now), c.wait) << c.now;
    EXPECT_EQ(pacer.due(c.now), c.due) << c.now;
  }
}

// Waking a millisecond late every time must not make the game slower: the
// deadlines stay on the 1/64 s grid.
TEST(SdlPacer, LateWakeUpsDoNotDrift) {
  Pacer pacer(kNanoseconds);
  pacer.start(0);
  std::uint64_t now = 0;
  int ticks = 0;
  while (now < 10 * kNanoseconds) {
    now += static_cast<std::uint64_t>(pacer.millisecondsUntilDue(now)) * 1'000'000 + 999'000;
    while (pacer.due(now)) {
      pacer.takeTick(now);
      ++ticks;
    }
  }
  EXPECT_EQ(ticks, 640);
}

TEST(SdlPacer, ASmallDelayIsMadeUpAndALongStallStartsAfresh) {
  Pacer pacer(kNanoseconds);
  pacer.start(0);
  // Three periods late: the owed ticks follow at once.
  std::uint64_t now = 4 * kPeriod;
  int owed = 0;
  while (pacer.due(now)) {
    pacer.takeTick(now);
    ++owed;
  }
  EXPECT_EQ(owed, 4);
  // A second's stall owes no burst: one tick, then the next a period later.
  now += kNanoseconds;
  ASSERT_TRUE(pacer.due(now));
  pacer.takeTick(now);
  EXPECT_FALSE(pacer.due(now));
  EXPECT_FALSE(pacer.due(now + kPeriod - 1));
  EXPECT_TRUE(pacer.due(now + kPeriod));
}

TEST(SdlPacer, StartingAgainReplacesTheRunningClock) {
  Pacer pacer(kNanoseconds);
  pacer.start(0);
  pacer.start(10 * kPeriod);
  EXPECT_FALSE(pacer.due(10 * kPeriod + kPeriod - 1));
  EXPECT_TRUE(pacer.due(11 * kPeriod));
}

}  // namespace
}  // namespace vantorix::sdl
