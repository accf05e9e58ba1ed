#include "app/shell/session.h"

#include <algorithm>

namespace vantorix::shell {

Session::Session(Host& host, RecordingSink* recording) : host_(host), game_(*this, recording) {}

// ---- inputs

void Session::keyDown(const KeyInput& key) {
  if (replay_ != nullptr || ended_ || key.virtualKey == 0) return;
  if (MessageBox* box = newestBox()) {
    follow(box->keyDown(key));
    return;
  }
  const MenuReply reply = menu_.keyDown(key);
  if (!reply.consumed) game_.keyDown(key.virtualKey);
  follow(reply);
}

void Session::keyUp(const KeyInput& key) {
  if (replay_ != nullptr || ended_ || key.virtualKey == 0) return;
  if (MessageBox* box = newestBox()) {
    follow(box->keyUp(key));
    return;
  }
  follow(menu_.keyUp(key));
}

void Session::menuPointer(PointerAction action, MenuTarget target) {
  // While a box waits, the menu cannot be reached, as behind a modal box.
  if (replay_ != nullptr || ended_ || openBoxes_ > 0) return;
  switch (action) {
    case PointerAction::kDown:
      follow(menu_.pointerDown(target));
      break;
    case PointerAction::kMove:
      follow(menu_.pointerMove(target));
      break;
    case PointerAction::kUp:
      follow(menu_.pointerUp(target));
      break;
  }
}

void Session::boxPointer(PointerAction action, int target) {
  MessageBox* box = newestBox();
  if (replay_ != nullptr || ended_ || box == nullptr) return;
  switch (action) {
    case PointerAction::kDown:
      follow(box->pointerDown(target));
      break;
    case PointerAction::kMove:
      follow(box->pointerMove(target));
      break;
    case PointerAction::kUp:
      follow(box->pointerUp(target));
      break;
  }
}

void Session::closeWindow() {
  if (windowClosed_) return;
  windowClosed_ = true;
  pacer_.stop();
  follow(menu_.close());
  // The destroy posts the quit: every box open now gives up, and no box
  // opens again.
  game_.destroy();
}

void Session::focusLost() {
  follow(menu_.close());
  letGo(held_.letGoOfAll());
}

void Session::follow(const MenuReply& reply) {
  if (reply.changed) invalidate();
  if (reply.command == 0) return;
  host_.showNow();
  game_.command(reply.command);
}

void Session::follow(const BoxReply& reply) {
  if (reply.changed || reply.answered) invalidate();
}

// ---- time

void Session::advance() {
  if (ended_) return;
  if (replay_ != nullptr) {
    replay_->advance();
    return;
  }
  while (const std::optional<Control> control = held_.takeRepeat(host_.now())) {
    controlRepeat(*control);
    if (ended_) return;
  }
  if (pacer_.due(host_.now())) tick();
}

void Session::tick() {
  host_.ticked(pacer_.takeTick(host_.now()));
  game_.timer();
}

int Session::millisecondsToWait() {
  if (ended_) return -1;
  const std::uint64_t now = host_.now();
  if (replay_ != nullptr) return replay_->millisecondsToWait(now);
  int wait = pacer_.running() ? pacer_.millisecondsUntilDue(now) : -1;
  if (const std::optional<std::uint64_t> repeat = held_.nextRepeat()) {
    const int untilRepeat = millisecondsUntil(*repeat, now);
    wait = wait < 0 ? untilRepeat : std::min(wait, untilRepeat);
  }
  return wait;
}

void Session::end(int exitCode) {
  if (!ended_) exitCode_ = exitCode;
  ended_ = true;
  invalidate();
}

// ---- what the game asks of its window

void Session::startGameTimer() {
  gameTimerOn_ = true;
  // A replay's ticks come from the recording, at their own pace.
  if (windowClosed_ || replay_ != nullptr) return;
  pacer_.start(host_.now());
  host_.clockChanged();
}

void Session::stopGameTimer() {
  gameTimerOn_ = false;
  if (replay_ != nullptr) return;
  pacer_.stop();
  host_.clockChanged();
}

int Session::showMessageBox(std::string_view text, std::string_view caption, BoxButtons buttons) {
  // After the window's end no box opens again; nor does one beyond what a
  // game ever stacks.
  if (ended_ || openBoxes_ == kMaxOpenBoxes) return unansweredAnswer(buttons);
  follow(menu_.close());
  const auto depth = static_cast<std::size_t>(openBoxes_++);
  MessageBox& box = boxes_[depth].emplace(text, caption, buttons);
  if (replay_ != nullptr) replay_->boxOpened(box, static_cast<int>(depth), buttons);
  invalidate();
  if (!box.answered()) host_.waitForAnswer();
  const int answer = box.answered() ? box.answer() : unansweredAnswer(buttons);
  boxes_[depth].reset();
  --openBoxes_;
  invalidate();
  return answer;
}

void Session::postQuit(int exitCode) {
  end(exitCode);
}

MessageBox* Session::newestBox() {
  return openBoxes_ > 0 ? &*boxes_[static_cast<std::size_t>(openBoxes_ - 1)] : nullptr;
}

bool Session::newestBoxDone() const {
  return ended_ || openBoxes_ == 0 || boxes_[static_cast<std::size_t>(openBoxes_ - 1)]->answered();
}

}  // namespace vantorix::shell
