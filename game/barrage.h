// The boss's barrage: 27 bullets in seven groups, which fire by the boss's
// damage, and their hits on the ship.
#pragma once

#include "game/field.h"
#include "game/game_state.h"

namespace vantorix {

// Red bullets stop once past the field's bottom, blue ones further down.
inline constexpr i32 kRedBulletLimit = kFieldBottom;
inline constexpr i32 kBlueBulletLimit = 600;
// The later groups fall faster than the first ones.
inline constexpr i32 kSlowBulletDy = 2;
inline constexpr i32 kFastBulletDy = 3;

// Launches, moves and stops the boss's bullets once it is at its height.
void runBarragePhase(GameState& s);
// Every boss bullet against the ship, every tick.
void runBarrageHitPhase(GameState& s);

}  // namespace vantorix
