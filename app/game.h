// The game as its window sees it: the five messages the window procedure hands
// over, and nothing of any platform beyond the Platform services.
#pragma once

#include "app/platform.h"
#include "app/texts.h"
#include "game/game_state.h"
#include "render/canvas.h"

namespace vantorix {

inline constexpr int kCommandStart = 302;
inline constexpr int kCommandQuit = 303;

class Game {
 public:
  explicit Game(Platform& platform) : platform_(platform) {}
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  void command(int id);  // a menu command
  void timer();          // one game tick
  void keyDown(int virtualKey);
  void destroy();                    // the window is gone
  void paint(Canvas& canvas) const;  // draws the state, never changes it

  const GameState& state() const { return state_; }
  GameState& state() { return state_; }

 private:
  int show(const texts::BoxText& box, BoxButtons buttons);
  void start();
  void quit();
  void win();
  void lose();
  void endProgram();

  Platform& platform_;
  GameState state_;
  // A tick waits inside the end-of-game boxes, whose message loops go on
  // delivering messages; these keep such a message from starting a second
  // tick or restarting the timer under the waiting one.
  bool tickRunning_ = false;
  bool endOfGameBoxOpen_ = false;
  // Set when the program is told to end from inside the running tick's
  // boxes: that tick then opens no further box, resets nothing and asks the
  // platform for nothing more.
  bool endedInTick_ = false;
};

}  // namespace vantorix
