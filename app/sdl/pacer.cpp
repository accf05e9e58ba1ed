#include "app/sdl/pacer.h"

#include <algorithm>

namespace vantorix::sdl {

namespace {

// Ticks that may be made up right away; more than this behind, and the clock
// restarts instead.
constexpr std::uint64_t kCatchUpTicks = 4;

}  // namespace

Pacer::Pacer(std::uint64_t countsPerSecond)
    : countsPerSecond_(std::max<std::uint64_t>(countsPerSecond, kTicksPerSecond)),
      period_(countsPerSecond_ / kTicksPerSecond),
      maxLag_(period_ * kCatchUpTicks) {}

void Pacer::start(std::uint64_t now) {
  deadline_ = now + period_;
  running_ = true;
}

int Pacer::millisecondsUntilDue(std::uint64_t now) const {
  if (!running_ || now >= deadline_) return 0;
  const std::uint64_t left = deadline_ - now;
  const std::uint64_t ms = (left * 1000 + countsPerSecond_ - 1) / countsPerSecond_;
  return static_cast<int>(std::min<std::uint64_t>(ms, 1000));
}

void Pacer::takeTick(std::uint64_t now) {
  deadline_ += period_;
  if (now > deadline_ + maxLag_) deadline_ = now + period_;
}

}  // namespace vantorix::sdl
