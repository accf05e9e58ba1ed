// PNG files as bytes, for the icons the desktop shows: 8-bit RGBA, each row
// filtered the way that leaves it flattest, and the rows compressed with
// fixed-code deflate whose only matches are runs of one byte. Enlarged pixel
// art becomes long runs of zeros that way, so no general compressor is needed.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vantorix::spritegen {

// The checksums the format asks for: PNG's chunk CRC and zlib's trailer.
std::uint32_t crc32(std::span<const std::uint8_t> bytes);
std::uint32_t adler32(std::span<const std::uint8_t> bytes);

// A whole file for a width x height picture given as top-down red, green,
// blue, alpha bytes. Empty if the picture does not fit its bytes, or has a
// side of 0 or above 4096.
std::vector<std::uint8_t> encodePng(int width, int height, std::span<const std::uint8_t> rgba);

}  // namespace vantorix::spritegen
