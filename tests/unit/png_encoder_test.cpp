// The icon PNGs' container: the checksums, and chunks a decoder accepts. Their
// pixels are checked by a real decoder in the package tests.
#include "tools/spritegen/png_encoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace vantorix::spritegen {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::uint32_t bigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return std::uint32_t{bytes.at(at)} << 24 | std::uint32_t{bytes.at(at + 1)} << 16 |
         std::uint32_t{bytes.at(at + 2)} << 8 | bytes.at(at + 3);
}

TEST(PngEncoder, ChecksumsGiveTheirStandardCheckValues) {
  EXPECT_EQ(crc32(bytesOf("123456789")), 0xCBF43926u);
  EXPECT_EQ(adler32(bytesOf("Wikipedia")), 0x11E60398u);
  EXPECT_EQ(adler32({}), 1u);
}

TEST(PngEncoder, WritesHeaderDataAndEndChunksWithTheirCrcs) {
  const std::vector<std::uint8_t> rgba(3 * 2 * 4, 0x7F);
  const std::vector<std::uint8_t> png = encodePng(3, 2, rgba);
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(std::vector(png.begin(), png.begin() + 8),
            (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  std::vector<std::string> types;
  for (std::size_t at = 8; at < png.size();) {
    const std::uint32_t length = bigEndian(png, at);
    ASSERT_LE(at + 12 + length, png.size());
    types.emplace_back(png.begin() + static_cast<long>(at) + 4,
                       png.begin() + static_cast<long>(at) + 8);
    EXPECT_EQ(crc32(std::span(png).subspan(at + 4, length + 4)), bigEndian(png, at + 8 + length))
        << types.back();
    at += 12 + length;
  }
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  EXPECT_EQ(bigEndian(png, 16), 3u);  // width
  EXPECT_EQ(bigEndian(png, 20), 2u);  // height
  EXPECT_EQ(png[24], 8);              // bits a sample
  EXPECT_EQ(png[25], 6);              // RGBA
}

TEST(PngEncoder, RefusesPixelsThatDoNotFitTheSize) {
  EXPECT_TRUE(encodePng(2, 2, std::vector<std::uint8_t>(15)).empty());
  EXPECT_TRUE(encodePng(0, 1, {}).empty());
}

}  // namespace
}  // namespace vantorix::spritegen
