// One game tick's work on the world, without the platform: every phase in its
// fixed order. The game object wraps it with the end-of-game steps and the
// closing repaint request.
#pragma once

#include "game/game_state.h"

namespace vantorix {

struct WorldTickResult {
  bool bossDefeated = false;
};

WorldTickResult runWorldTick(GameState& s);

}  // namespace vantorix
