// Integer steps that stay defined for every value a field can hold. In play
// no field comes near the 32-bit limits, but a poked or very long game must
// never invoke undefined behaviour, so every step stops at the limits instead
// of overflowing: an object poked to the far edge stays out of sight there
// rather than reappearing on the other side.
#pragma once

#include <cstdint>
#include <limits>

#include "game/game_state.h"

namespace vantorix {

constexpr i32 clampedSum(i32 a, i32 b) {
  const std::int64_t sum = std::int64_t{a} + b;
  if (sum > std::numeric_limits<i32>::max()) return std::numeric_limits<i32>::max();
  if (sum < std::numeric_limits<i32>::min()) return std::numeric_limits<i32>::min();
  return static_cast<i32>(sum);
}

constexpr void advance(i32& value, i32 step) {
  value = clampedSum(value, step);
}

}  // namespace vantorix
