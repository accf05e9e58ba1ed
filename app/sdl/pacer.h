// The game clock of the SDL program: 64 ticks a second against an absolute
// deadline, so waiting in whole milliseconds never makes the game run slow.
// Times are performance-counter values; the pacer does no waiting itself.
#pragma once

#include <cstdint>

namespace vantorix::sdl {

inline constexpr int kTicksPerSecond = 64;

class Pacer {
 public:
  // `countsPerSecond` is the performance counter's frequency.
  explicit Pacer(std::uint64_t countsPerSecond);

  // Starts the clock (again): the first tick is due one period from now.
  void start(std::uint64_t now);
  void stop() { running_ = false; }
  bool running() const { return running_; }

  // True when the running clock owes a tick.
  bool due(std::uint64_t now) const { return running_ && now >= deadline_; }
  // Whole milliseconds to wait for the next tick, rounded up so the wait
  // ends at or after the deadline; 0 when a tick is due.
  int millisecondsUntilDue(std::uint64_t now) const;
  // Takes the tick that is due. After a long stall (a box, a suspended
  // machine) the deadline starts afresh instead of owing a burst of ticks.
  void takeTick(std::uint64_t now);

  std::uint64_t period() const { return period_; }

 private:
  std::uint64_t countsPerSecond_;
  std::uint64_t period_;
  std::uint64_t maxLag_;
  std::uint64_t deadline_ = 0;
  bool running_ = false;
};

}  // namespace vantorix::sdl
