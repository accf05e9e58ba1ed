#include "app/recorded_game.h"

namespace vantorix {

int RecordedGame::Tap::showMessageBox(std::string_view text, std::string_view caption,
                                      BoxButtons buttons) {
  const int answer = shell_.showMessageBox(text, caption, buttons);
  if (recorder != nullptr) recorder->boxAnswered(answer);
  return answer;
}

void RecordedGame::Tap::postQuit(int exitCode) {
  if (recorder != nullptr) recorder->quitPosted();
  shell_.postQuit(exitCode);
}

RecordedGame::RecordedGame(Platform& platform, RecordingSink* sink) : tap_(platform), game_(tap_) {
  if (sink == nullptr) return;
  recorder_.emplace(*sink, game_.state());
  tap_.recorder = &*recorder_;
}

void RecordedGame::command(int id) {
  if (recorder_) recorder_->beginCommand(id);
  game_.command(id);
  if (recorder_) recorder_->endMessage();
}

void RecordedGame::timer() {
  if (recorder_) recorder_->beginTick();
  game_.timer();
  if (recorder_) recorder_->endMessage();
}

void RecordedGame::keyDown(int virtualKey) {
  if (recorder_) recorder_->beginKey(virtualKey);
  game_.keyDown(virtualKey);
  if (recorder_) recorder_->endMessage();
}

void RecordedGame::destroy() {
  // First, so that the quit the destroy posts is known for the window's.
  if (recorder_) recorder_->windowClosed();
  game_.destroy();
}

}  // namespace vantorix
