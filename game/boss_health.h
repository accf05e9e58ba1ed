// The boss's health: the shot's hits lay one notch each on the health bar,
// each hit shows the 40-tick flash that paces the next, and the 126th notch
// defeats the boss.
#pragma once

#include "game/game_state.h"

namespace vantorix {

inline constexpr i32 kBossFlashTicks = 40;  // the flash ends once its timer is past this

// The shot's hits on the boss and its health bar; true when the boss is defeated.
bool runBossHealthStep(GameState& s);

}  // namespace vantorix
