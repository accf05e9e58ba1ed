// The sixteen sprite pictures, by the number of their resource MYBP1..MYBP16.
// The pixels are generated at build time from the text sources in
// resources/sprites, so every shell and the simulator draw the same art.
#pragma once

#include <cstdint>

namespace vantorix {

enum class Sprite : std::uint8_t {
  kFighter = 1,
  kRedBullet,
  kPlayerShip,  // also each life icon
  kPlayerShot,
  kTitle,
  kExplosion,
  kHeavy,
  kHeavyFlash,
  kBlueBullet,
  kBannerBright,
  kBannerMedium,
  kBannerDark,
  kHealthBar,
  kHealthNotch,
  kBoss,
  kBossFlash,
};

inline constexpr int kSpriteCount = 16;

// n of the resource name "MYBPn".
constexpr int resourceNumber(Sprite sprite) {
  return static_cast<int>(sprite);
}

// Uncompressed 24-bit picture: rows top to bottom, each pixel blue, green, red.
struct SpriteImage {
  int width;
  int height;
  const std::uint8_t* bgr;  // width * height * 3 bytes
};

const SpriteImage& spriteImage(Sprite sprite);

}  // namespace vantorix
