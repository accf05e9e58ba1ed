// A timed sprite: an event places it and sets its running flag; while the
// flag is 1 its timer counts one per tick, and in the tick in which the timer
// passes its limit flag and timer return to 0 and the sprite is parked. The
// explosions of shot-down fighters and the hit flashes of the heavies and
// the boss all run this way.
#pragma once

#include "game/arithmetic.h"
#include "game/game_state.h"

namespace vantorix {

// One tick of the timer; true in the tick the sprite's time is over, when
// the caller parks it and does whatever else the end brings.
inline bool timedSpriteEnds(i32& running, i32& timer, i32 limit) {
  if (running == 1) advance(timer, 1);
  if (timer <= limit) return false;
  timer = 0;
  running = 0;
  return true;
}

inline void park(i32& x, i32& y, Point at) {
  x = at.x;
  y = at.y;
}

}  // namespace vantorix
