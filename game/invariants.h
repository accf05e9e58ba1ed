// What holds of the game state after every message, however the game is
// played (poking fields by hand aside). The unit tests, the fuzzer and the
// soak run check it after every step.
#pragma once

#include "game/game_state.h"

namespace vantorix {

// The first invariant that `after` breaks, alone or as the step from `before`
// (a state taken one message earlier), or nullptr when all hold. A step that
// lowers tickCount is a full reset, after which nothing is compared.
const char* brokenInvariant(const GameState& before, const GameState& after);

// Follows one game message by message: each step is checked against the
// state the previous step left.
class InvariantWatch {
 public:
  explicit InvariantWatch(const GameState& start) : before_(start) {}

  // The first invariant the step to `after` breaks, or nullptr.
  const char* step(const GameState& after) {
    const char* broken = brokenInvariant(before_, after);
    before_ = after;
    return broken;
  }

 private:
  GameState before_;
};

}  // namespace vantorix
