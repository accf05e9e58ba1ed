// The two heavies: their entries on the timeline, their holds in the upper
// band, their volleys of five blue bullets, and their wrap back above the field.
#pragma once

#include "game/game_state.h"

namespace vantorix {

// Where a heavy that has sunk past its wrap limit comes back: the highest a
// heavy ever is.
inline constexpr i32 kHeavyWrappedY = -200;
// The pause counter's cycle: it starts again from 0 once past this.
inline constexpr i32 kHeavyPauseCycle = 100;

// Heavy 1's block, then heavy 2's: entry, motion, bullets, sites.
void runHeavyPhase(GameState& s);

}  // namespace vantorix
