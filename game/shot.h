// The player's one shot: its climb and re-fire, its knock-back of fighters,
// and the flash cycles by which it wears a heavy down.
#pragma once

#include "game/game_state.h"

namespace vantorix {

inline constexpr i32 kShotAboveShip = 30;  // a re-fired shot leaves this far above the ship
inline constexpr i32 kFighterExplosionTicks = 100;
inline constexpr i32 kHeavyFlashTicks = 70;
// The hit after more finished flash cycles than this destroys a heavy.
inline constexpr i32 kCyclesBeforeDestruction = 3;

// The shot's move, then its hits on fighters 1 to 3 and heavies 1 and 2.
void runShotPhase(GameState& s);

}  // namespace vantorix
