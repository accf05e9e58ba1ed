// The player's one shot: its climb and re-fire, its knock-back of fighters,
// and the flash cycles by which it wears a heavy down.
#pragma once

#include "game/game_state.h"

namespace vantorix {

inline constexpr i32 kShotStep = 5;  // the shot climbs this much a tick
// A queued shot is re-fired from the ship once above this, and leaves this
// far above the ship.
inline constexpr i32 kRefireAboveY = -50;
inline constexpr i32 kShotAboveShip = 30;
inline constexpr i32 kFighterExplosionTicks = 100;
inline constexpr i32 kHeavyFlashTicks = 70;
// The hit after more finished flash cycles than this destroys a heavy.
inline constexpr i32 kCyclesBeforeDestruction = 3;

// The shot's move, then its hits on fighters 1 to 3 and heavies 1 and 2.
void runShotPhase(GameState& s);

}  // namespace vantorix
