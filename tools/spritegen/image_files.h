// The file forms of a painted picture: the 24-bit bitmap, the 16-colour icon
// and its enlarged PNGs, and the C++ table the game links in.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "render/sprite_set.h"
#include "tools/spritegen/canvas.h"

namespace vantorix::spritegen {

// Uncompressed 24-bit BI_RGB bitmap, rows bottom-up, each padded to 4 bytes.
std::vector<std::uint8_t> encodeBmp(const Canvas& canvas);

// One 32 x 32 4-bit image with its AND mask; unpainted pixels are
// transparent. Nullopt if the picture is not 32 x 32 or has more than 16
// colours (black included, which transparency needs).
std::optional<std::vector<std::uint8_t>> encodeIcon(const Canvas& canvas);

// The picture as a PNG, each pixel a scale x scale block (no smoothing), the
// unpainted ones transparent.
std::vector<std::uint8_t> encodeScaledPng(const Canvas& canvas, int scale);

// A C++ source defining vantorix::spriteImage for the sixteen pictures, in
// order MYBP1..MYBP16, pixels top-down in blue, green, red order.
std::string spriteTableSource(const std::array<const Canvas*, kSpriteCount>& sprites);

}  // namespace vantorix::spritegen
