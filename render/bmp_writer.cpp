#include "render/bmp_writer.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <vector>

namespace vantorix {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kHeaderSize = kFileHeaderSize + kInfoHeaderSize;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

class HeaderBytes {
 public:
  void u16(std::uint32_t value) { put(value, 2); }
  void u32(std::uint32_t value) { put(value, 4); }
  const std::array<char, kHeaderSize>& bytes() const { return bytes_; }
  std::size_t size() const { return size_; }

 private:
  void put(std::uint32_t value, int count) {  // little-endian
    for (int i = 0; i < count && size_ < bytes_.size(); ++i) {
      bytes_[size_++] = static_cast<char>((value >> (8 * i)) & 0xFFu);
    }
  }
  std::array<char, kHeaderSize> bytes_{};
  std::size_t size_ = 0;
};

}  // namespace

bool writeBmp(std::ostream& out, int width, int height, std::span<const std::uint8_t> topDownBgr) {
  // Beyond this a 32-bit file size could overflow; no picture of ours is near it.
  constexpr int kMaxSide = 16384;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  if (topDownBgr.size() != rowBytes * static_cast<std::size_t>(height)) return false;
  const std::size_t stride = (rowBytes + 3) / 4 * 4;
  const std::size_t imageBytes = stride * static_cast<std::size_t>(height);

  HeaderBytes header;
  header.u16(0x4D42);  // "BM"
  header.u32(static_cast<std::uint32_t>(kHeaderSize + imageBytes));
  header.u32(0);  // reserved
  header.u32(static_cast<std::uint32_t>(kHeaderSize));
  header.u32(static_cast<std::uint32_t>(kInfoHeaderSize));
  header.u32(static_cast<std::uint32_t>(width));
  header.u32(static_cast<std::uint32_t>(height));  // positive: bottom-up
  header.u16(1);                                   // planes
  header.u16(24);                                  // bits per pixel
  header.u32(0);                                   // uncompressed
  header.u32(static_cast<std::uint32_t>(imageBytes));
  header.u32(kPixelsPerMetre);
  header.u32(kPixelsPerMetre);
  header.u32(0);  // colours used
  header.u32(0);  // important colours
  out.write(header.bytes().data(), static_cast<std::streamsize>(header.size()));

  std::vector<char> row(stride, 0);
  for (int y = height - 1; y >= 0; --y) {
    std::memcpy(row.data(), topDownBgr.data() + rowBytes * static_cast<std::size_t>(y), rowBytes);
    out.write(row.data(), static_cast<std::streamsize>(row.size()));
  }
  out.flush();
  return static_cast<bool>(out);
}

bool writeBmpFile(const std::string& path, const PixelCanvas& canvas) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  if (!writeBmp(file, kClientWidth, kClientHeight, canvas.bgr())) return false;
  file.close();
  return !file.fail();
}

}  // namespace vantorix
