// Fields poked to the ends of the 32-bit range: ticks and keys must stay free
// of undefined behaviour (the sanitizer build aborts on any), and objects far
// off must stay far off instead of wrapping round into the field.
#include <gtest/gtest.h>

#include <limits>

#include "app/game.h"
#include "game/field_table.h"
#include "game/keyboard.h"
#include "game/tick.h"

namespace vantorix {
namespace {

constexpr i32 kMax = std::numeric_limits<i32>::max();
constexpr i32 kMin = std::numeric_limits<i32>::min();

class SilentPlatform final : public Platform {
 public:
  void startGameTimer() override {}
  void stopGameTimer() override {}
  int showMessageBox(std::string_view, std::string_view, BoxButtons) override { return kIdYes; }
  void invalidate() override {}
  void postQuit(int) override {}
};

void playAFewMessages(Game& game) {
  for (int i = 0; i < 3; ++i) {
    game.timer();
    for (int key : {kVkSpace, kVkLeft, kVkUp, kVkRight, kVkDown})
      game.keyDown(key);
  }
}

TEST(Extremes, EveryFieldAloneNearEitherLimit) {
  const GameState start;
  int fields = 0;
  forEachField(start, [&](std::string_view name, const i32&) {
    ++fields;
    for (i32 value : {kMax, kMax - 1, kMin, kMin + 1}) {
      for (i32 tick : {1, 17200}) {
        SilentPlatform platform;
        Game game(platform);
        game.state().tickCount = tick;
        *findField(game.state(), name) = value;
        playAFewMessages(game);
      }
    }
  });
  EXPECT_EQ(fields, 808);
}

TEST(Extremes, EveryFieldAtOnceNearEitherLimit) {
  for (i32 value : {kMax, kMin}) {
    SilentPlatform platform;
    Game game(platform);
    forEachField(game.state(), [&](std::string_view, i32& field) { field = value; });
    playAFewMessages(game);
  }
}

TEST(Extremes, ObjectsPokedFarOffStayFarOff) {
  GameState s;
  s.tickCount = 20000;
  s.shotY = kMin + 2;
  s.shotArmed = 1;
  s.fighters[0].y = kMax;
  s.heavies[0].y = kMax;
  s.heavies[0].entered = 1;
  s.bossBullets[0] = {.x = kMin, .y = kMax, .flying = 1, .site = {}};
  runWorldTick(s);
  EXPECT_LT(s.shotY, -225);
  EXPECT_GT(s.fighters[0].y, 480);
  EXPECT_GT(s.heavies[0].y, 480);
  EXPECT_EQ(s.bossBullets[0].x, kMin);
  EXPECT_EQ(s.bossBullets[0].y, kMax);
}

TEST(Extremes, TheTickCountRestsAtItsTop) {
  GameState s;
  s.tickCount = kMax - 1;
  s.playerX = 0;  // out of the fighters' way
  runWorldTick(s);
  runWorldTick(s);
  EXPECT_EQ(s.tickCount, kMax);
}

}  // namespace
}  // namespace vantorix
