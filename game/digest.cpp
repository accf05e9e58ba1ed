#include "game/digest.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "game/field_table.h"

namespace vantorix {

namespace {

constexpr std::size_t kFieldCount = sizeof(GameState) / sizeof(i32);

using FieldOrder = std::array<std::uint16_t, kFieldCount>;

// The record's field numbers sorted by the bytes of their names; the names
// never change, so this is worked out once.
const FieldOrder& nameOrder() {
  static const FieldOrder order = [] {
    std::vector<std::string> names;
    forEachField(kStartState, [&](std::string_view name, const i32&) { names.emplace_back(name); });
    names.resize(kFieldCount);
    FieldOrder sorted{};
    for (std::size_t i = 0; i < sorted.size(); ++i)
      sorted[i] = static_cast<std::uint16_t>(i);
    std::sort(sorted.begin(), sorted.end(), [&](std::uint16_t a, std::uint16_t b) {
      return names[a] < names[b];  // char_traits<char> compares bytes as unsigned
    });
    return sorted;
  }();
  return order;
}

}  // namespace

std::uint64_t digest(const GameState& s) {
  std::array<i32, kFieldCount> values{};
  std::size_t count = 0;
  forEachField(s, [&](std::string_view, const i32& value) {
    if (count < kFieldCount) values[count++] = value;
  });
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const std::uint16_t field : nameOrder()) {
    const auto bits = static_cast<std::uint32_t>(values[field]);
    for (int byte = 0; byte < 4; ++byte) {
      hash ^= (bits >> (8 * byte)) & 0xFFu;
      hash *= 0x100000001b3u;
    }
  }
  return hash;
}

void formatDigest(std::uint64_t value, char (&text)[17]) {
  constexpr char kHex[] = "0123456789abcdef";
  for (int i = 15; i >= 0; --i, value >>= 4)
    text[i] = kHex[value & 0xFu];
  text[16] = '\0';
}

}  // namespace vantorix
