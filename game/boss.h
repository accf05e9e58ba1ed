// The boss's entry after the banner, its descent to its fighting height and
// its sweep along the top of the field.
#pragma once

#include "game/game_state.h"

namespace vantorix {

// The boss descends while at or above its fighting height, so it rests one
// pixel below it; from the fighting height on it sweeps, fires and can be hit.
inline constexpr i32 kBossFightingY = 60;
inline constexpr i32 kBossRestY = kBossFightingY + 1;
// The sweep turns left once past the right turn and right once below the
// left one, the same tick: it shows x 485 twice and x 264 once.
inline constexpr i32 kBossLeftTurnX = 265;
inline constexpr i32 kBossRightTurnX = 485;

// The boss's entry, descent, arrival, sweep and body site.
void runBossPhase(GameState& s);

}  // namespace vantorix
