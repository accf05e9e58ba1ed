// The game without a window, played by a script: its platform keeps the
// timer as a flag, answers boxes by the player's one rule and remembers the
// quit. It checks a recording before the window plays it back; the
// simulator builds its printing driver on it.
#pragma once

#include <optional>

#include "app/game.h"
#include "app/platform.h"
#include "script/player.h"

namespace vantorix {

class HeadlessGame : public Platform, public ScriptDriver {
 public:
  explicit HeadlessGame(ScriptPlayer& player) : player_(player), game_(*this) {}
  HeadlessGame(const HeadlessGame&) = delete;
  HeadlessGame& operator=(const HeadlessGame&) = delete;
  virtual ~HeadlessGame() = default;

  // ScriptDriver
  void command(int id) override { game_.command(id); }
  void timer() override { game_.timer(); }
  void keyDown(int virtualKey) override { game_.keyDown(virtualKey); }
  void close() override { game_.destroy(); }
  bool timerRunning() const override { return timerRunning_; }
  bool ended() const override { return quitCode_.has_value(); }
  GameState& state() override { return game_.state(); }

  // Platform
  void startGameTimer() override { timerRunning_ = true; }
  void stopGameTimer() override { timerRunning_ = false; }
  int showMessageBox(std::string_view text, std::string_view caption, BoxButtons buttons) override;
  void invalidate() override {}
  void postQuit(int exitCode) override;

  const Game& game() const { return game_; }
  // The exit code the program posted, once it has.
  std::optional<int> quitCode() const { return quitCode_; }

 protected:
  const ScriptPlayer& player() const { return player_; }

 private:
  ScriptPlayer& player_;
  Game game_;
  bool timerRunning_ = false;
  std::optional<int> quitCode_;
};

}  // namespace vantorix
