#include "tools/sim/sim_platform.h"

namespace vantorix::sim {

void SimPlatform::startGameTimer() {
  timerRunning_ = true;
  if (events_) out_ << "settimer " << kGameTimerId << ' ' << kGameTimerPeriodMs << '\n';
}

void SimPlatform::stopGameTimer() {
  timerRunning_ = false;
  if (events_) out_ << "killtimer " << kGameTimerId << '\n';
}

int SimPlatform::showMessageBox(std::string_view text, std::string_view caption,
                                BoxButtons buttons) {
  const bool yesNo = buttons == BoxButtons::kYesNo;
  int answer = kIdOk;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  } else if (yesNo) {
    throw ScriptError("yes/no box \"" + std::string(text) + "\" has no queued answer");
  }
  if (events_) {
    out_ << "box \"" << text << "\" \"" << caption << "\" " << (yesNo ? "yesno" : "ok") << ' '
         << answer << '\n';
  }
  return answer;
}

void SimPlatform::invalidate() {
  if (events_) out_ << "invalidate\n";
}

void SimPlatform::postQuit(int exitCode) {
  if (events_) out_ << "quit " << exitCode << '\n';
  if (!quitCode_) quitCode_ = exitCode;
}

}  // namespace vantorix::sim
