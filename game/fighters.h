// The fighter squadron: three fighters sweeping the upper field, each
// releasing its three red bullets as it passes a band near the top.
#pragma once

#include "game/game_state.h"

namespace vantorix {

// A fighter turns right once its x is below the left turn and left once it
// is past the right one, the same tick: it shows x 4 once and x 720 twice.
inline constexpr i32 kFighterLeftTurnX = 5;
inline constexpr i32 kFighterRightTurnX = 720;

// Fighter 1 in full, then fighter 2, then fighter 3: motion, bullets, sites.
void runFighterPhase(GameState& s);

}  // namespace vantorix
