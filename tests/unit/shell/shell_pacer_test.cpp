#include <gtest/gtest.h>

#include <algorithm>

#include "app/shell/pacer.h"

namespace vantorix::shell {
namespace {

constexpr std::uint64_t kPeriod = 15'625;  // microseconds
constexpr std::uint64_t kSecond = 1'000'000;

TEST(ShellPacer, NothingIsDueWhileStopped) {
  Pacer pacer;
  EXPECT_FALSE(pacer.running());
  EXPECT_FALSE(pacer.due(10 * kSecond));
  EXPECT_EQ(pacer.millisecondsUntilDue(0), 0);
  pacer.start(0);
  pacer.stop();
  EXPECT_FALSE(pacer.due(kSecond));
}

TEST(ShellPacer, WaitsEndAtOrAfterTheDeadline) {
  EXPECT_EQ(kTickMicroseconds, kPeriod);
  Pacer pacer;
  pacer.start(1000);
  const struct {
    std::uint64_t now;
    int wait;
    bool due;
  } cases[] = {
      {1000, 16, false},               // 15.625 ms rounds up
      {1000 + 15'000, 1, false},       // 0.625 ms
      {1000 + kPeriod - 1, 1, false},  // one microsecond still rounds up to 1 ms
      {1000 + kPeriod, 0, true},
      {1000 + kPeriod + 5'000, 0, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(pacer.millisecondsUntilDue(c.now), c.wait) << c.now;
    EXPECT_EQ(pacer.due(c.now), c.due) << c.now;
  }
}

// Waking a millisecond late every time must not make the game slower: the
// deadlines stay on the 1/64 s grid.
TEST(ShellPacer, LateWakeUpsDoNotDrift) {
  Pacer pacer;
  pacer.start(0);
  std::uint64_t now = 0;
  int ticks = 0;
  while (now < 10 * kSecond) {
    now += static_cast<std::uint64_t>(pacer.millisecondsUntilDue(now)) * 1000 + 999;
    while (pacer.due(now)) {
      pacer.takeTick(now);
      ++ticks;
    }
  }
  EXPECT_EQ(ticks, 640);
}

// As the Windows timer: a late tick is never made up. Under a period late the
// next one keeps its deadline; a period late or more, they start afresh.
TEST(ShellPacer, ALateTickIsNeverMadeUp) {
  const struct {
    std::uint64_t lateness;
    std::uint64_t nextDue;  // after the tick at kPeriod + lateness
  } cases[] = {
      {0, 2 * kPeriod},
      {kPeriod - 1, 2 * kPeriod},
      {kPeriod, 3 * kPeriod},
      {4 * kPeriod + 7, 6 * kPeriod + 7},
      {kSecond, 2 * kPeriod + kSecond},
  };
  for (const auto& c : cases) {
    Pacer pacer;
    pacer.start(0);
    const std::uint64_t now = kPeriod + c.lateness;
    ASSERT_TRUE(pacer.due(now));
    EXPECT_EQ(pacer.takeTick(now), c.lateness);
    EXPECT_FALSE(pacer.due(std::max(now, c.nextDue - 1))) << c.lateness;
    EXPECT_TRUE(pacer.due(c.nextDue)) << c.lateness;
  }
}

TEST(ShellPacer, StartingAgainReplacesTheRunningClock) {
  Pacer pacer;
  pacer.start(0);
  pacer.start(10 * kPeriod);
  EXPECT_FALSE(pacer.due(11 * kPeriod - 1));
  EXPECT_TRUE(pacer.due(11 * kPeriod));
}

TEST(ShellPacer, CounterReadingsInMicroseconds) {
  const struct {
    std::uint64_t counts, countsPerSecond, microseconds;
  } cases[] = {
      {1'000'000'000, 1'000'000'000, kSecond},
      {1'999, 1'000'000'000, 1},  // truncated
      {7, 3, 2'333'333},
      {std::uint64_t{1} << 63, 1'000'000'000, 9'223'372'036'854'775},  // 292 years of uptime
      {5, 0, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(microsecondsOf(c.counts, c.countsPerSecond), c.microseconds) << c.counts;
}

}  // namespace
}  // namespace vantorix::shell
