// What a key-down does to the game: one 5-pixel step of the ship per message,
// or the space bar's two shot requests. Keys act in every state, title included.
#pragma once

#include "game/game_state.h"

namespace vantorix {

// The Windows virtual-key codes of the keys the game has rules for.
enum VirtualKey : int {
  kVkSpace = 32,
  kVkLeft = 37,
  kVkUp = 38,
  kVkRight = 39,
  kVkDown = 40,
};

void pressKey(GameState& s, int virtualKey);

}  // namespace vantorix
