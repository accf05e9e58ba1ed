// Windows bitmap files as bytes: the uncompressed 24-bit picture that the
// simulator's frames and the sprite bitmaps are written as, and the header
// pieces the sprite generator's icon shares with it. Bytes only: writing
// them anywhere is the caller's business.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vantorix {

void appendU16(std::vector<std::uint8_t>& out, std::uint32_t value);  // little-endian
void appendU32(std::vector<std::uint8_t>& out, std::uint32_t value);

// The information header of an uncompressed picture at 72 dots per inch.
inline constexpr std::uint32_t kBmpInfoHeaderBytes = 40;
void appendInfoHeader(std::vector<std::uint8_t>& out, int width, int height, unsigned bitsPerPixel,
                      std::uint32_t imageBytes, std::uint32_t coloursUsed);

// A whole file for a width x height picture given as top-down blue, green,
// red bytes: rows bottom-up, each padded to four bytes. Empty if the picture
// does not fit its bytes, or is too large for a file.
std::vector<std::uint8_t> encodeBmp(int width, int height,
                                    std::span<const std::uint8_t> topDownBgr);

}  // namespace vantorix
