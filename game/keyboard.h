// What a key-down does to the game: one 5-pixel step of the ship per message,
// or the space bar's two shot requests. Keys act in every state, title included.
#pragma once

#include "game/game_state.h"

namespace vantorix {

inline constexpr int kVkSpace = 32;
inline constexpr int kVkLeft = 37;
inline constexpr int kVkUp = 38;
inline constexpr int kVkRight = 39;
inline constexpr int kVkDown = 40;

void pressKey(GameState& s, int virtualKey);

}  // namespace vantorix
