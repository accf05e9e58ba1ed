#include "tools/spritegen/png_encoder.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <string_view>

namespace vantorix::spritegen {

namespace {

constexpr int kMaxSide = 4096;
constexpr std::size_t kBytesPerPixel = 4;

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k)
      c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}();

void appendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFFu));
}

// Deflate's bits go out least significant first; its Huffman codes are
// defined most significant bit first, so a code is sent reversed.
class BitWriter {
 public:
  void bits(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
      pending_ |= ((value >> i) & 1u) << filled_;
      if (++filled_ == 8) flush();
    }
  }

  void code(std::uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i)
      bits(code >> i, 1);
  }

  std::vector<std::uint8_t> finish() && {
    if (filled_ > 0) flush();
    return std::move(bytes_);
  }

 private:
  void flush() {
    bytes_.push_back(static_cast<std::uint8_t>(pending_));
    pending_ = 0;
    filled_ = 0;
  }

  std::vector<std::uint8_t> bytes_;
  std::uint32_t pending_ = 0;
  int filled_ = 0;
};

// The fixed literal/length code of deflate's block type 1.
void literalOrLength(BitWriter& out, unsigned symbol) {
  if (symbol < 144) return out.code(0x30 + symbol, 8);
  if (symbol < 256) return out.code(0x190 + symbol - 144, 9);
  if (symbol < 280) return out.code(symbol - 256, 7);
  out.code(0xC0 + symbol - 280, 8);
}

// A match of `length` (3 to 258) bytes at distance 1: the length's symbol
// and extra bits, then distance code 0, which has none.
void run(BitWriter& out, unsigned length) {
  static constexpr std::array<unsigned, 29> kBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                  15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                  67, 83, 99, 115, 131, 163, 195, 227, 258};
  static constexpr std::array<int, 29> kExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
  const auto index = static_cast<std::size_t>(std::upper_bound(kBase.begin(), kBase.end(), length) -
                                              kBase.begin() - 1);
  literalOrLength(out, 257 + static_cast<unsigned>(index));
  out.bits(length - kBase[index], kExtra[index]);
  out.code(0, 5);
}

std::vector<std::uint8_t> zlibStream(std::span<const std::uint8_t> data) {
  constexpr unsigned kMaxRun = 258;
  BitWriter out;
  out.bits(0x78, 8);  // deflate with a 32 KiB window
  out.bits(0x01, 8);  // no dictionary; the header's check bits
  out.bits(1, 1);     // the last block
  out.bits(1, 2);     // fixed codes
  for (std::size_t i = 0; i < data.size();) {
    unsigned length = 0;
    while (i > 0 && length < kMaxRun && i + length < data.size() &&
           data[i + length] == data[i - 1]) {
      ++length;
    }
    if (length >= 3) {
      run(out, length);
      i += length;
    } else {
      literalOrLength(out, data[i++]);
    }
  }
  literalOrLength(out, 256);  // end of block
  std::vector<std::uint8_t> bytes = std::move(out).finish();
  appendBigEndian(bytes, adler32(data));
  return bytes;
}

// The row's filter type byte and its bytes under the filter (none, sub or
// up) whose results lie nearest zero.
void appendFilteredRow(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> row,
                       std::span<const std::uint8_t> above) {
  const auto filtered = [&](int type, std::size_t i) -> std::uint8_t {
    const unsigned left = i >= kBytesPerPixel ? row[i - kBytesPerPixel] : 0u;
    const unsigned up = above.empty() ? 0u : above[i];
    return static_cast<std::uint8_t>(row[i] - (type == 1 ? left : type == 2 ? up : 0u));
  };
  int best = 0;
  long bestCost = -1;
  for (int type = 0; type <= 2; ++type) {
    long cost = 0;
    for (std::size_t i = 0; i < row.size(); ++i)
      cost += std::abs(static_cast<int>(static_cast<std::int8_t>(filtered(type, i))));
    if (bestCost < 0 || cost < bestCost) {
      best = type;
      bestCost = cost;
    }
  }
  out.push_back(static_cast<std::uint8_t>(best));
  for (std::size_t i = 0; i < row.size(); ++i)
    out.push_back(filtered(best, i));
}

void appendChunk(std::vector<std::uint8_t>& out, std::string_view type,
                 std::span<const std::uint8_t> data) {
  appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  appendBigEndian(out, crc32(std::span(out).subspan(start)));
}

}  // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (const std::uint8_t byte : bytes)
    c = kCrcTable[(c ^ byte) & 0xFFu] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(std::span<const std::uint8_t> bytes) {
  constexpr std::uint32_t kModulus = 65521;
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const std::uint8_t byte : bytes) {
    a = (a + byte) % kModulus;
    b = (b + a) % kModulus;
  }
  return b << 16 | a;
}

std::vector<std::uint8_t> encodePng(int width, int height, std::span<const std::uint8_t> rgba) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return {};
  const std::size_t rowBytes = static_cast<std::size_t>(width) * kBytesPerPixel;
  if (rgba.size() != rowBytes * static_cast<std::size_t>(height)) return {};

  std::vector<std::uint8_t> rows;
  rows.reserve((rowBytes + 1) * static_cast<std::size_t>(height));
  for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
    appendFilteredRow(
        rows, rgba.subspan(y * rowBytes, rowBytes),
        y == 0 ? std::span<const std::uint8_t>{} : rgba.subspan((y - 1) * rowBytes, rowBytes));
  }

  std::vector<std::uint8_t> header;
  appendBigEndian(header, static_cast<std::uint32_t>(width));
  appendBigEndian(header, static_cast<std::uint32_t>(height));
  // 8 bits a sample, red-green-blue-alpha, deflate, adaptive filters, no interlace.
  header.insert(header.end(), {8, 6, 0, 0, 0});

  std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  appendChunk(out, "IHDR", header);
  appendChunk(out, "IDAT", zlibStream(rows));
  appendChunk(out, "IEND", {});
  return out;
}

}  // namespace vantorix::spritegen
