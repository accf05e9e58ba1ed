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

// The recorder's begin and end around one message handed to the game.
class RecordedGame::Delivery {
 public:
  Delivery(std::optional<Recorder>& recorder, Recorder::Kind kind, int value = 0)
      : recorder_(recorder) {
    if (recorder_) recorder_->begin(kind, value);
  }
  ~Delivery() {
    if (recorder_) recorder_->endMessage();
  }
  Delivery(const Delivery&) = delete;
  Delivery& operator=(const Delivery&) = delete;

 private:
  std::optional<Recorder>& recorder_;
};

void RecordedGame::command(int id) {
  const Delivery delivery(recorder_, Recorder::Kind::kCommand, id);
  game_.command(id);
}

void RecordedGame::timer() {
  const Delivery delivery(recorder_, Recorder::Kind::kTick);
  game_.timer();
}

void RecordedGame::keyDown(int virtualKey) {
  const Delivery delivery(recorder_, Recorder::Kind::kKey, virtualKey);
  game_.keyDown(virtualKey);
}

void RecordedGame::destroy() {
  // First, so that the quit the destroy posts is known for the window's.
  if (recorder_) recorder_->windowClosed();
  game_.destroy();
}

}  // namespace vantorix
