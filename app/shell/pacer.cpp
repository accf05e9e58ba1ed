#include "app/shell/pacer.h"

#include <algorithm>

namespace vantorix::shell {

namespace {

constexpr std::uint64_t kMicrosecondsPerMillisecond = 1000;
// A wait ends after a second at the latest, so that a clock set back is
// looked at again.
constexpr std::uint64_t kLongestWaitMilliseconds = 1000;

}  // namespace

std::uint64_t microsecondsOf(std::uint64_t counts, std::uint64_t countsPerSecond) {
  if (countsPerSecond == 0) return 0;
  return counts / countsPerSecond * kMicrosecondsPerSecond +
         counts % countsPerSecond * kMicrosecondsPerSecond / countsPerSecond;
}

void Pacer::start(std::uint64_t now) {
  deadline_ = now + kTickMicroseconds;
  running_ = true;
}

int millisecondsUntil(std::uint64_t deadline, std::uint64_t now) {
  if (now >= deadline) return 0;
  const std::uint64_t left = deadline - now;
  const std::uint64_t wait = (left + kMicrosecondsPerMillisecond - 1) / kMicrosecondsPerMillisecond;
  return static_cast<int>(std::min(wait, kLongestWaitMilliseconds));
}

int Pacer::millisecondsUntilDue(std::uint64_t now) const {
  return running_ ? millisecondsUntil(deadline_, now) : 0;
}

std::uint64_t Pacer::takeTick(std::uint64_t now) {
  const std::uint64_t lateness = now > deadline_ ? now - deadline_ : 0;
  // A late tick is never made up: the deadline moves on by one period, and
  // a tick a whole period late or more starts the deadlines afresh from
  // now. The Windows program's timer does the same (late WM_TIMER messages
  // are coalesced, never queued up), so a stall never turns into a burst of
  // ticks the player did not see.
  deadline_ += kTickMicroseconds;
  if (now >= deadline_) deadline_ = now + kTickMicroseconds;
  return lateness;
}

}  // namespace vantorix::shell
