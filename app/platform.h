// Everything the game asks of the platform it runs on. The Windows program,
// the SDL2 program and the simulator each provide one.
#pragma once

#include <string_view>

#include "game/box_answers.h"

namespace vantorix {

inline constexpr int kGameTimerId = 301;
inline constexpr int kGameTimerPeriodMs = 1;

class Platform {
 public:
  // The game timer (kGameTimerId, every kGameTimerPeriodMs): each of its
  // messages reaches Game::timer. Starting it again replaces the running one.
  virtual void startGameTimer() = 0;
  virtual void stopGameTimer() = 0;
  // A modal box with no owner window; texts are UTF-8. Returns the answer.
  // Its message loop may deliver the game's messages before it returns.
  virtual int showMessageBox(std::string_view text, std::string_view caption,
                             BoxButtons buttons) = 0;
  // Ask for the whole client area to be erased and painted.
  virtual void invalidate() = 0;
  // End the message loop; the program exits with this code.
  virtual void postQuit(int exitCode) = 0;

 protected:
  ~Platform() = default;
};

}  // namespace vantorix
