#include "app/game.h"

#include "app/texts.h"
#include "game/keyboard.h"
#include "game/resets.h"
#include "game/rules.h"
#include "game/tick.h"
#include "render/paint.h"

namespace vantorix {

namespace {

// Sets a flag for as long as it lives, also when a platform call throws.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void Game::command(int id) {
  // While an end-of-game box is open, the tick waiting in it decides how the
  // game goes on: a start does nothing then, but a quit still asks.
  if (id == kCommandStart && !endOfGameBoxOpen_) start();
  if (id == kCommandQuit) quit();
}

int Game::show(const texts::BoxText& box, BoxButtons buttons) {
  return platform_.showMessageBox(box.text, box.caption, buttons);
}

void Game::start() {
  show(texts::kStartBox, BoxButtons::kOk);
  platform_.startGameTimer();
}

void Game::quit() {
  platform_.stopGameTimer();
  state_.quitAnswer = show(texts::kQuitBox, BoxButtons::kYesNo);
  if (state_.quitAnswer == kIdYes) endProgram();
  // The timer of a tick waiting in its end-of-game box is that tick's to restart.
  if (state_.quitAnswer == kIdNo && state_.tickCount > 0 && !endOfGameBoxOpen_) {
    platform_.startGameTimer();
  }
}

void Game::endProgram() {
  platform_.postQuit(0);
  if (tickRunning_) endedInTick_ = true;
}

void Game::timer() {
  if (tickRunning_) return;
  FlagScope running(tickRunning_);
  endedInTick_ = false;
  if (runWorldTick(state_).bossDefeated) win();
  if (!endedInTick_ && state_.gameOverMark == kGameOverMark) lose();
  if (!endedInTick_ && state_.tickCount > 0) platform_.invalidate();
}

void Game::win() {
  platform_.invalidate();
  platform_.stopGameTimer();
  {
    FlagScope boxOpen(endOfGameBoxOpen_);
    show(texts::kWinBox, BoxButtons::kOk);
  }
  if (endedInTick_) return;
  fullReset(state_);
  platform_.invalidate();
}

void Game::lose() {
  state_.lossExplosionX = state_.playerX;
  state_.lossExplosionY = state_.playerY;
  platform_.invalidate();
  platform_.stopGameTimer();
  {
    FlagScope boxOpen(endOfGameBoxOpen_);
    show(texts::kLossBox, BoxButtons::kOk);
    if (endedInTick_) return;
    state_.continueAnswer = show(texts::kContinueBox, BoxButtons::kYesNo);
  }
  if (endedInTick_) return;
  if (state_.continueAnswer == kIdYes) {
    continueReset(state_);
    platform_.startGameTimer();
  }
  if (state_.continueAnswer == kIdNo) {
    fullReset(state_);
    platform_.invalidate();
  }
}

void Game::keyDown(int virtualKey) {
  pressKey(state_, virtualKey);
  if (state_.tickCount > 0) platform_.invalidate();
}

void Game::destroy() {
  endProgram();
}

void Game::paint(Canvas& canvas) const {
  vantorix::paint(state_, canvas);
}

}  // namespace vantorix
