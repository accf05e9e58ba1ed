// A recording to play back in the window: read and checked whole before the
// window opens (a line the simulator would refuse is refused here too), then
// handed out one step at a time, each digest with the value the recording
// says it must have.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "tools/sim/script_step.h"

namespace vantorix::sdl {

class Replay {
 public:
  struct Step {
    sim::ScriptStep step;
    long line;
    std::string expectedDigest;  // after a digest step: its "#> digest" value, if any
  };

  // False with one line in `error` for a file that cannot be read or that
  // the simulator would stop at.
  bool load(const std::string& path, std::string& error);

  const std::string& path() const { return path_; }
  // The step due now, or nullptr once the recording is played.
  const Step* current() const { return at_ < steps_.size() ? &steps_[at_] : nullptr; }
  void advance() { ++at_; }

  // The answers of the answer steps played so far, for the boxes to come.
  std::deque<int> answers;

 private:
  std::string path_;
  std::string text_;  // the steps' words point into it
  std::vector<Step> steps_;
  std::size_t at_ = 0;
};

}  // namespace vantorix::sdl
