// Integer steps that stay defined for every value a field can hold. In play
// no field comes near the 32-bit limits, but a poked or very long game must
// never invoke undefined behaviour, so every step wraps like the hardware does.
#pragma once

#include <cstdint>

#include "game/game_state.h"

namespace vantorix {

constexpr i32 wrappingSum(i32 a, i32 b) {
  return static_cast<i32>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

constexpr void advance(i32& value, i32 step) { value = wrappingSum(value, step); }

}  // namespace vantorix
