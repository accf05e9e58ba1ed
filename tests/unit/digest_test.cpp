#include <gtest/gtest.h>

#include "game/digest.h"
#include "game/field_table.h"
#include "game/tick.h"

namespace vantorix {
namespace {

std::string hex(const GameState& s) {
  char text[17];
  formatDigest(digest(s), text);
  return text;
}

// The values were worked out apart from the game, from the simulator's dump:
// the fields sorted by name, FNV-1a over their little-endian bytes.
TEST(Digest, KnownStates) {
  GameState s;
  EXPECT_EQ(hex(s), "869a6e7eebe15842");
  *findField(s, "playerX") = -5;
  EXPECT_EQ(hex(s), "bb9a4f1c28aeee0c");
  s = GameState{};
  for (int i = 0; i < 100; ++i)
    runWorldTick(s);
  EXPECT_EQ(hex(s), "4ccc51f1021bbc6b");
}

TEST(Digest, EveryFieldCounts) {
  const std::uint64_t start = digest(GameState{});
  forEachField(kStartState, [&](std::string_view name, const i32&) {
    GameState s;
    *findField(s, name) ^= 1 << 20;
    EXPECT_NE(digest(s), start) << name;
  });
}

}  // namespace
}  // namespace vantorix
