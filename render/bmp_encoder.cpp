#include "render/bmp_encoder.h"

#include <cstddef>

namespace vantorix {

namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch
// Beyond this a 32-bit file size could overflow; no picture of ours is near it.
constexpr int kMaxSide = 16384;

}  // namespace

void appendU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFu));
}

void appendU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  appendU16(out, value & 0xFFFFu);
  appendU16(out, value >> 16);
}

void appendInfoHeader(std::vector<std::uint8_t>& out, int width, int height, unsigned bitsPerPixel,
                      std::uint32_t imageBytes, std::uint32_t coloursUsed) {
  appendU32(out, kBmpInfoHeaderBytes);
  appendU32(out, static_cast<std::uint32_t>(width));
  appendU32(out, static_cast<std::uint32_t>(height));  // positive: rows bottom-up
  appendU16(out, 1);                                   // planes
  appendU16(out, bitsPerPixel);
  appendU32(out, 0);  // uncompressed
  appendU32(out, imageBytes);
  appendU32(out, kPixelsPerMetre);
  appendU32(out, kPixelsPerMetre);
  appendU32(out, coloursUsed);
  appendU32(out, 0);  // all colours important
}

std::vector<std::uint8_t> encodeBmp(int width, int height,
                                    std::span<const std::uint8_t> topDownBgr) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return {};
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  if (topDownBgr.size() != rowBytes * static_cast<std::size_t>(height)) return {};
  const std::size_t stride = (rowBytes + 3) / 4 * 4;
  const auto imageBytes = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height));

  std::vector<std::uint8_t> out;
  out.reserve(kFileHeaderBytes + kBmpInfoHeaderBytes + imageBytes);
  out.push_back('B');
  out.push_back('M');
  appendU32(out, kFileHeaderBytes + kBmpInfoHeaderBytes + imageBytes);
  appendU32(out, 0);  // reserved
  appendU32(out, kFileHeaderBytes + kBmpInfoHeaderBytes);
  appendInfoHeader(out, width, height, 24, imageBytes, 0);
  for (int y = height - 1; y >= 0; --y) {
    const auto row = topDownBgr.subspan(rowBytes * static_cast<std::size_t>(y), rowBytes);
    out.insert(out.end(), row.begin(), row.end());
    out.resize(out.size() + (stride - rowBytes), 0);
  }
  return out;
}

}  // namespace vantorix
