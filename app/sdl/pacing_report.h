// Measures the game clock on request (VANTORIX_PACING_REPORT=seconds): the
// tick intervals, how far they stray from 1/64 s, the time a frame takes to
// paint, and the share of one processor the program used meanwhile.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantorix::sdl {

struct PacingSummary {
  int intervals = 0;
  double meanIntervalMs = 0;
  double p99JitterMs = 0;  // 99 % of intervals are within this of 1/64 s
  double maxJitterMs = 0;
  int paints = 0;
  double meanPaintMs = 0;
  double maxPaintMs = 0;
  double cpuShare = 0;  // processor seconds per wall second
};

class PacingReport {
 public:
  // Measures `seconds` of ticking; 0 or less measures nothing.
  PacingReport(std::uint64_t countsPerSecond, int seconds);

  bool enabled() const { return wanted_ > 0; }
  // A tick ran at `now`; `cpuSeconds` is the process's processor time so far.
  void tick(std::uint64_t now, double cpuSeconds);
  // The clock stopped or started afresh: the next tick begins a new run.
  void breakRun() { haveLast_ = false; }
  void paintTook(std::uint64_t counts);

  // True once, when the measured ticking is complete.
  bool ready() const { return enabled() && !reported_ && intervals_.size() >= wanted_; }
  PacingSummary summarize();
  static std::string format(const PacingSummary& summary);

 private:
  double toMs(std::uint64_t counts) const;

  std::uint64_t countsPerSecond_;
  std::size_t wanted_;
  std::vector<double> intervals_;  // room for all of them from the start
  std::uint64_t last_ = 0;
  bool haveLast_ = false;
  bool reported_ = false;
  std::uint64_t firstTick_ = 0;
  std::uint64_t lastTick_ = 0;
  double firstCpu_ = 0;
  double lastCpu_ = 0;
  bool started_ = false;
  int paints_ = 0;
  double paintTotalMs_ = 0;
  double paintMaxMs_ = 0;
};

}  // namespace vantorix::sdl
