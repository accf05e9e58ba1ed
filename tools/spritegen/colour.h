// One 24-bit colour.
#pragma once

#include <cstdint>

namespace vantorix::spritegen {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};

}  // namespace vantorix::spritegen
