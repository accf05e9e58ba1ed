#include "app/sdl/pacing_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/shell/pacer.h"

namespace vantorix::sdl {

PacingReport::PacingReport(std::uint64_t countsPerSecond, int seconds)
    : countsPerSecond_(std::max<std::uint64_t>(countsPerSecond, 1)),
      wanted_(seconds > 0 ? static_cast<std::size_t>(seconds) * shell::kTicksPerSecond : 0) {
  intervals_.reserve(wanted_);
}

double PacingReport::toMs(std::uint64_t counts) const {
  return static_cast<double>(counts) * 1000.0 / static_cast<double>(countsPerSecond_);
}

void PacingReport::tick(std::uint64_t now, double cpuSeconds) {
  if (!enabled() || intervals_.size() >= wanted_) return;
  if (!started_) {
    started_ = true;
    firstTick_ = now;
    firstCpu_ = cpuSeconds;
  }
  lastTick_ = now;
  lastCpu_ = cpuSeconds;
  if (haveLast_) intervals_.push_back(toMs(now - last_));
  last_ = now;
  haveLast_ = true;
}

void PacingReport::paintTook(std::uint64_t counts) {
  if (!enabled() || intervals_.size() >= wanted_) return;
  const double ms = toMs(counts);
  ++paints_;
  paintTotalMs_ += ms;
  paintMaxMs_ = std::max(paintMaxMs_, ms);
}

PacingSummary PacingReport::summarize() {
  reported_ = true;
  PacingSummary summary;
  summary.intervals = static_cast<int>(intervals_.size());
  summary.paints = paints_;
  if (paints_ > 0) {
    summary.meanPaintMs = paintTotalMs_ / paints_;
    summary.maxPaintMs = paintMaxMs_;
  }
  if (lastTick_ > firstTick_) {
    summary.cpuShare = (lastCpu_ - firstCpu_) / (toMs(lastTick_ - firstTick_) / 1000.0);
  }
  if (intervals_.empty()) return summary;

  double total = 0;
  for (double interval : intervals_)
    total += interval;
  summary.meanIntervalMs = total / static_cast<double>(intervals_.size());
  const double target = 1000.0 / shell::kTicksPerSecond;
  for (double& interval : intervals_)
    interval = std::abs(interval - target);
  std::sort(intervals_.begin(), intervals_.end());
  const std::size_t p99 = (intervals_.size() * 99 + 99) / 100 - 1;
  summary.p99JitterMs = intervals_[std::min(p99, intervals_.size() - 1)];
  summary.maxJitterMs = intervals_.back();
  return summary;
}

std::string PacingReport::format(const PacingSummary& s) {
  char line[256];
  std::snprintf(line, sizeof line,
                "vantorix: pacing: %d intervals, mean %.3f ms (1/64 s is 15.625 ms), "
                "jitter p99 %.3f ms, max %.3f ms; paint mean %.3f ms, max %.3f ms over %d "
                "frames; CPU %.1f %%",
                s.intervals, s.meanIntervalMs, s.p99JitterMs, s.maxJitterMs, s.meanPaintMs,
                s.maxPaintMs, s.paints, s.cpuShare * 100.0);
  return line;
}

}  // namespace vantorix::sdl
