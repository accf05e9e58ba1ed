// The simulator's platform: answers boxes from a queue, keeps the timer as a
// flag and, while events are on, prints every platform call as it is made.
#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>

#include "app/platform.h"
#include "tools/sim/script_step.h"

namespace vantorix::sim {

class SimPlatform final : public Platform {
 public:
  explicit SimPlatform(std::ostream& out) : out_(out) {}

  void startGameTimer() override;
  void stopGameTimer() override;
  int showMessageBox(std::string_view text, std::string_view caption, BoxButtons buttons) override;
  void invalidate() override;
  void postQuit(int exitCode) override;

  void queueAnswer(int answer) { answers_.push_back(answer); }
  void setEvents(bool on) { events_ = on; }
  bool timerRunning() const { return timerRunning_; }
  std::optional<int> quitCode() const { return quitCode_; }

 private:
  std::ostream& out_;
  std::deque<int> answers_;
  bool events_ = false;
  bool timerRunning_ = false;
  std::optional<int> quitCode_;
};

}  // namespace vantorix::sim
