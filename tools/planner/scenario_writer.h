// A scenario script written line by line: each line is run through the
// simulator as it is written, and what the simulator prints follows it as
// the script's expected output ("#> " lines). Runs of ticks are merged into
// one "tick N" line, and every 64 ticks a digest follows, as in a recording.
#pragma once

#include <ostream>
#include <sstream>
#include <string_view>

#include "tools/sim/simulator.h"

namespace vantorix::planner {

class ScenarioWriter {
 public:
  explicit ScenarioWriter(std::ostream& out) : out_(out), simulator_(printed_) {}

  void comment(std::string_view text);
  // One timer message; written with the ticks next to it as "tick N".
  void tick();
  // Any other command, run at once. Throws std::runtime_error with the
  // simulator's message if the line stops the run.
  void command(std::string_view line);

  // The game as the lines written so far have left it.
  const GameState& state() const { return simulator_.game().state(); }

 private:
  void writeTicks();
  void run(std::string_view line);

  std::ostream& out_;
  std::ostringstream printed_;  // what the simulator prints, taken after each line
  sim::Simulator simulator_;
  long lineNumber_ = 0;
  long pendingTicks_ = 0;
  int ticksSinceDigest_ = 0;
};

}  // namespace vantorix::planner
