// Game states that several tests start from, built in one place.
#pragma once

#include "game/game_state.h"

namespace vantorix::test {

// The fight under way: the boss at rest at (x, 61), arrived, heading right
// (so x + 1 after its next sweep), its health bar shown, no damage taken.
inline GameState restingBoss(i32 x) {
  GameState s;
  s.tickCount = 17300;
  s.bossEntered = 1;
  s.bossArrived = 1;
  s.bossX = x;
  s.bossY = 61;
  s.healthBarX = 200;
  s.healthBarY = 15;
  return s;
}

// The fighters and heavies gone for good below the field, so that whole
// ticks run with the boss alone.
inline void clearTheField(GameState& s) {
  for (Fighter& f : s.fighters)
    f.y = 600;
  for (Heavy& h : s.heavies) {
    h.entered = 1;
    h.y = 600;
  }
}

}  // namespace vantorix::test
