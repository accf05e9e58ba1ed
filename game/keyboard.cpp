#include "game/keyboard.h"

namespace vantorix {

namespace {
constexpr i32 kShipStep = 5;
// The bounds are tested before the step, so the ship stops at 0 and 735 in x
// and at 0 and 445 in y.
constexpr i32 kLeftBound = 0;
constexpr i32 kRightBound = 731;
constexpr i32 kTopBound = 0;
constexpr i32 kBottomBound = 445;
constexpr i32 kQueueBelowY = 50;  // a re-fire can be queued only while the shot is above this
}  // namespace

void pressKey(GameState& s, int virtualKey) {
  switch (virtualKey) {
    case kVkSpace:
      if (s.shotQueued == 0) s.shotArmed = 1;
      if (s.shotY < kQueueBelowY && s.shotQueued == 0) s.shotQueued = 1;
      break;
    case kVkLeft:
      if (s.playerX > kLeftBound) s.playerX -= kShipStep;
      break;
    case kVkUp:
      if (s.playerY > kTopBound) s.playerY -= kShipStep;
      break;
    case kVkRight:
      if (s.playerX < kRightBound) s.playerX += kShipStep;
      break;
    case kVkDown:
      if (s.playerY < kBottomBound) s.playerY += kShipStep;
      break;
    default:
      break;
  }
}

}  // namespace vantorix
