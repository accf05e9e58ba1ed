// The two ways a game is put back: all the way to the title, or just the ship
// and its spare lives for a continue.
#pragma once

#include "game/game_state.h"

namespace vantorix {

inline void fullReset(GameState& s) {
  s = kStartState;
}

// The timeline, the enemies and the boss's damage carry on from where they were.
inline void continueReset(GameState& s) {
  s.playerX = kStartState.playerX;
  s.playerY = kStartState.playerY;
  s.lifeIcon1X = kStartState.lifeIcon1X;
  s.lifeIcon1Y = kStartState.lifeIcon1Y;
  s.lifeIcon2X = kStartState.lifeIcon2X;
  s.lifeIcon2Y = kStartState.lifeIcon2Y;
  s.gameOverMark = kStartState.gameOverMark;
  s.lostFirstLife = kStartState.lostFirstLife;
  s.lostSecondLife = kStartState.lostSecondLife;
}

}  // namespace vantorix
