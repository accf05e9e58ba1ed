#include <gtest/gtest.h>

#include "game/digest.h"
#include "game/field_table.h"

namespace vantorix {
namespace {

// Its known values are checked by the digest scenario.
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
