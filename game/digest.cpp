#include "game/digest.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "game/field_table.h"

namespace vantorix {

namespace {

constexpr std::size_t kFieldCount = sizeof(GameState) / sizeof(i32);

// The fields' numbers in the record, sorted by the bytes of their names; the
// names never change, so this is worked out once.
const std::array<std::uint16_t, kFieldCount>& recordOrderByName() {
  static const auto order = [] {
    std::vector<std::pair<std::string, std::uint16_t>> fields;
    forEachField(kStartState, [&](std::string_view name, const i32&) {
      fields.emplace_back(name, static_cast<std::uint16_t>(fields.size()));
    });
    std::sort(fields.begin(), fields.end());  // char_traits<char> compares bytes as unsigned
    std::array<std::uint16_t, kFieldCount> sorted{};
    for (std::size_t i = 0; i < sorted.size() && i < fields.size(); ++i)
      sorted[i] = fields[i].second;
    return sorted;
  }();
  return order;
}

}  // namespace

// The record is its fields one after another, in the field table's order;
// the field table's test holds it to that.
std::uint64_t digest(const GameState& s) {
  const auto* record = reinterpret_cast<const unsigned char*>(&s);
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const std::uint16_t field : recordOrderByName()) {
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
