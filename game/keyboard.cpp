#include "game/keyboard.h"

#include "game/field.h"

namespace vantorix {

namespace {
constexpr i32 kQueueBelowY = 50;  // a re-fire can be queued only while the shot is above this
}  // namespace

void pressKey(GameState& s, int virtualKey) {
  switch (virtualKey) {
    case kVkSpace:
      if (s.shotQueued == 0) s.shotArmed = 1;
      if (s.shotY < kQueueBelowY && s.shotQueued == 0) s.shotQueued = 1;
      break;
    case kVkLeft:
      if (s.playerX > kShipLeftBound) s.playerX -= kShipStep;
      break;
    case kVkUp:
      if (s.playerY > kShipTopBound) s.playerY -= kShipStep;
      break;
    case kVkRight:
      if (s.playerX < kShipRightBound) s.playerX += kShipStep;
      break;
    case kVkDown:
      if (s.playerY < kShipBottomBound) s.playerY += kShipStep;
      break;
    default:
      break;
  }
}

}  // namespace vantorix
