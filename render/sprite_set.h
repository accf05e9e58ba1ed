// The sixteen sprite pictures, by the number of their resource MYBP1..MYBP16.
// The pixels are generated at build time from the text sources in
// resources/sprites, so every shell and the simulator draw the same art.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

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

// The number of sprites; the build reads it from here too, so keep it on a
// line of its own.
inline constexpr int kSpriteCount = 16;

// n of the resource name "MYBPn".
constexpr int resourceNumber(Sprite sprite) {
  return static_cast<int>(sprite);
}

// The resource name "MYBPn", terminated for the Windows resource functions.
inline constexpr std::string_view kResourcePrefix = "MYBP";
class ResourceName {
 public:
  constexpr explicit ResourceName(Sprite sprite) {
    const int n = resourceNumber(sprite);
    std::size_t at = kResourcePrefix.copy(text_.data(), kResourcePrefix.size());
    if (n >= 10) text_[at++] = static_cast<char>('0' + n / 10 % 10);
    text_[at] = static_cast<char>('0' + n % 10);
  }
  constexpr const char* c_str() const { return text_.data(); }
  constexpr std::string_view view() const { return text_.data(); }

 private:
  std::array<char, 8> text_{};  // "MYBP", two digits, the terminator
};
static_assert(kSpriteCount < 100, "a resource name has room for two digits");

// Uncompressed 24-bit picture: rows top to bottom, each pixel blue, green, red.
struct SpriteImage {
  int width;
  int height;
  const std::uint8_t* bgr;  // width * height * 3 bytes
};

const SpriteImage& spriteImage(Sprite sprite);

}  // namespace vantorix
