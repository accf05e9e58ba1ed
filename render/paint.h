// The one paint every shell runs on its paint message: the title while the
// game has not started, the draw list while it runs. It reads the state and
// never writes it, so a paint may come at any moment.
#pragma once

#include "game/game_state.h"
#include "render/canvas.h"

namespace vantorix {

void paint(const GameState& state, Canvas& canvas);

}  // namespace vantorix
