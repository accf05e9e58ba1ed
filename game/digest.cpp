#include "game/digest.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

#include "game/field_table.h"

namespace vantorix {

namespace {

constexpr std::size_t kFieldCount = sizeof(GameState) / sizeof(i32);

// The fields' numbers in the record, sorted by the bytes of their names:
// worked out while compiling, so the digest needs no names at run time.
constexpr auto kRecordOrderByName = [] {
  std::array<FieldName, kFieldCount> names{};
  std::size_t count = 0;
  forEachField(kStartState, [&](std::string_view name, const i32&) {
    if (count < kFieldCount) names[count++] << name;
  });
  std::array<std::uint16_t, kFieldCount> order{};
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = static_cast<std::uint16_t>(i);
  // char_traits<char> compares bytes as unsigned.
  std::sort(order.begin(), order.end(),
            [&](std::uint16_t a, std::uint16_t b) { return names[a].view() < names[b].view(); });
  return order;
}();

}  // namespace

// The record is its fields one after another, in the field table's order;
// the field table's test holds it to that.
std::uint64_t digest(const GameState& s) {
  const auto* record = reinterpret_cast<const unsigned char*>(&s);
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const std::uint16_t field : kRecordOrderByName) {
    std::int32_t value = 0;
    std::memcpy(&value, record + field * sizeof(i32), sizeof value);
    const auto bits = static_cast<std::uint32_t>(value);
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
