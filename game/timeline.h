// The fixed points of a game's timeline, in ticks, and the holding places that
// keep objects which have left the field for good from drifting without end.
#pragma once

#include "game/game_state.h"

namespace vantorix {

// Fighters and heavies that leave the field before this tick come back.
inline constexpr i32 kReturnsEndTick = 15000;
inline constexpr i32 kHeavy2EntryTick = 1000;  // enters once tickCount is past it
inline constexpr i32 kHeavy1EntryTick = 3000;
inline constexpr i32 kBannerStartTick = 15500;  // the banner runs strictly between these
inline constexpr i32 kBossEntryTick = 17000;    // the boss enters once tickCount is past it

// A fighter or heavy that has sunk out of the field after the returns ended is
// out of sight and out of reach of every test; it rests here instead of
// sinking on towards the 32-bit limit.
inline constexpr i32 kFarBelowField = 10000;

// A fighter or heavy that has sunk past its limit comes back above the field
// while the returns last, and otherwise rests far below. True when it came back.
inline bool comeBackOrRest(i32& y, i32 limit, i32 backAt, i32 tickCount) {
  if (y > limit && tickCount < kReturnsEndTick) {
    y = backAt;
    return true;
  }
  if (y > kFarBelowField) y = kFarBelowField;
  return false;
}

// Nothing can be hit by a shot above y -225, so a shot that nobody re-fires
// rests here instead of rising on towards the 32-bit limit.
inline constexpr i32 kShotCeiling = -1000;

}  // namespace vantorix
