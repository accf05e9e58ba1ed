// The game clock's arithmetic: 64 ticks a second against absolute deadlines,
// so that waits in whole milliseconds never make the game run slow. Times are
// microseconds of any steady clock (the SDL program's performance counter,
// the page's performance.now()); the pacer does no waiting itself.
#pragma once

#include <cstdint>

namespace vantorix::shell {

inline constexpr int kTicksPerSecond = 64;
inline constexpr std::uint64_t kMicrosecondsPerSecond = 1'000'000;
// 15,625 microseconds: a whole number, so the deadlines never drift.
inline constexpr std::uint64_t kTickMicroseconds = kMicrosecondsPerSecond / kTicksPerSecond;
static_assert(kMicrosecondsPerSecond % kTicksPerSecond == 0);

// A steady counter's reading in microseconds, exact to the microsecond and
// without overflow for a counter of up to 10^13 counts a second.
std::uint64_t microsecondsOf(std::uint64_t counts, std::uint64_t countsPerSecond);

// Whole milliseconds to wait from `now` until `deadline`, rounded up so that
// the wait never ends before it; 0 once it has come, and at most a second.
int millisecondsUntil(std::uint64_t deadline, std::uint64_t now);

class Pacer {
 public:
  // Starts the clock (again): the first tick is due one period from now.
  void start(std::uint64_t now);
  void stop() { running_ = false; }
  bool running() const { return running_; }

  // True when the running clock owes a tick.
  bool due(std::uint64_t now) const { return running_ && now >= deadline_; }
  // Whole milliseconds to wait for the next tick, rounded up so that the
  // wait never ends before the deadline; 0 when a tick is due or the clock
  // is stopped, and at most a second.
  int millisecondsUntilDue(std::uint64_t now) const;
  // Takes the tick that is due; returns how late it comes, in microseconds.
  std::uint64_t takeTick(std::uint64_t now);

 private:
  std::uint64_t deadline_ = 0;
  bool running_ = false;
};

}  // namespace vantorix::shell
