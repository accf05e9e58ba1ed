// Where things are: the field's edges, how far the ship goes, and where the
// ship and its lives go when they are lost.
#pragma once

#include "game/game_state.h"

namespace vantorix {

// Objects that fall leave the field once their y is past its bottom.
inline constexpr i32 kFieldBottom = 480;
// Every object stays left of this: the ship's right edge at its rightmost place.
inline constexpr i32 kFieldRight = 763;

// The ship moves one step per key press and only ever stands on multiples of
// the step. Each bound is tested before the step: the ship moves left or up
// only while above the bound, right or down only while below it, so it stops
// at 0 on the left and at the top, and at the first multiple of the step at
// or past the right and bottom bounds.
inline constexpr i32 kShipStep = 5;
inline constexpr i32 kShipLeftBound = 0;
inline constexpr i32 kShipTopBound = 0;
inline constexpr i32 kShipRightBound = 731;
inline constexpr i32 kShipBottomBound = 445;

constexpr i32 shipStopAt(i32 bound) {
  return (bound + kShipStep - 1) / kShipStep * kShipStep;
}
inline constexpr i32 kShipMaxX = shipStopAt(kShipRightBound);   // 735
inline constexpr i32 kShipMaxY = shipStopAt(kShipBottomBound);  // 445

// Where the ship lies while destroyed, and a lost life's icon.
inline constexpr i32 kShipGoneY = -30;
inline constexpr i32 kLifeIconGoneY = -30;

// Where an explosion is parked once it has stood its time.
inline constexpr Point kExplosionParked{10, -30};

}  // namespace vantorix
