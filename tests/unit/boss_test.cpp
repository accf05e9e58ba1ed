// The boss's entry, descent, sweep and body site, driven phase by phase.
#include <gtest/gtest.h>

#include <vector>

#include "game/game_state.h"
#include "game/phases.h"
#include "tests/unit/test_states.h"

namespace vantorix {
namespace {

using test::restingBoss;

TEST(BossEntry, ComesOnlyAfterTick17000AndParksTheBanner) {
  GameState s;
  s.brightBannerX = s.mediumBannerX = s.darkBannerX = 250;
  s.brightBannerY = s.mediumBannerY = s.darkBannerY = 200;
  s.tickCount = 17000;
  runBossPhase(s);
  EXPECT_EQ(s.bossEntered, 0);
  EXPECT_EQ(s.bossX, 0);
  EXPECT_EQ(s.bossY, -100);
  EXPECT_EQ(s.darkBannerY, 200);

  s.tickCount = 17001;
  runBossPhase(s);
  EXPECT_EQ(s.bossEntered, 1);
  EXPECT_EQ(s.bossX, 380);
  EXPECT_EQ(s.bossY, -99);  // the entry tick already takes the first step
  for (const i32* y : {&s.brightBannerY, &s.mediumBannerY, &s.darkBannerY})
    EXPECT_EQ(*y, -70);
  for (const i32* x : {&s.brightBannerX, &s.mediumBannerX, &s.darkBannerX})
    EXPECT_EQ(*x, 0);

  // Entered once: the banner placed again later is not parked a second time.
  s.darkBannerY = 200;
  s.tickCount = 17002;
  runBossPhase(s);
  EXPECT_EQ(s.darkBannerY, 200);
  EXPECT_EQ(s.bossY, -98);
}

TEST(BossEntry, DescendsToSixtyArrivesThereAndRestsAtSixtyOne) {
  GameState s;
  s.tickCount = 17001;
  runBossPhase(s);
  // Ticks 17002 .. 17159 bring it to 59 one pixel at a time, with no bar.
  for (i32 y = -98; y <= 59; ++y) {
    ++s.tickCount;
    runBossPhase(s);
    ASSERT_EQ(s.bossY, y);
    ASSERT_EQ(s.bossArrived, 0);
    ASSERT_EQ(s.healthBarY, -100);
    ASSERT_EQ(s.bossX, 380);
  }
  EXPECT_EQ(s.tickCount, 17159);

  ++s.tickCount;
  runBossPhase(s);
  EXPECT_EQ(s.bossY, 60);
  EXPECT_EQ(s.bossArrived, 1);
  EXPECT_EQ(s.healthBarX, 200);
  EXPECT_EQ(s.healthBarY, 15);
  EXPECT_EQ(s.bossX, 381);  // the sweep starts in the arrival tick

  // The bar is placed once: moved by hand, the arrival step leaves it alone.
  s.healthBarX = 7;
  for (int i = 0; i < 2000; ++i) {
    ++s.tickCount;
    runBossPhase(s);
    ASSERT_EQ(s.bossY, 61);
    ASSERT_GE(s.bossX, 264);
    ASSERT_LE(s.bossX, 485);
  }
  EXPECT_EQ(s.healthBarX, 7);
}

TEST(BossSweep, RepeatsEvery443TicksShowing485TwiceAnd264Once) {
  GameState s = restingBoss(381);
  std::vector<i32> xs;
  for (int i = 0; i < 443 * 3; ++i) {
    runBossPhase(s);
    xs.push_back(s.bossX);
  }
  // xs[0] is the tick after arrival (382); 485 is reached 103 ticks later.
  EXPECT_EQ(xs[0], 382);
  EXPECT_EQ(xs[102], 484);
  EXPECT_EQ(xs[103], 485);
  EXPECT_EQ(xs[104], 485);
  EXPECT_EQ(xs[105], 484);
  EXPECT_EQ(xs[325], 264);
  EXPECT_EQ(xs[326], 265);
  EXPECT_EQ(xs[324], 265);
  for (std::size_t i = 0; i + 443 < xs.size(); ++i)
    ASSERT_EQ(xs[i + 443], xs[i]) << i;
  int at485 = 0;
  int at264 = 0;
  for (int i = 0; i < 443; ++i) {
    at485 += xs[i] == 485;
    at264 += xs[i] == 264;
  }
  EXPECT_EQ(at485, 2);
  EXPECT_EQ(at264, 1);
}

TEST(BossBody, HitsTheShipOnEveryMarginIncludedAndNotOnePixelFurther) {
  // bossX 300 heading right is 301 after the sweep, which runs before the test.
  const struct {
    i32 dx;
    i32 dy;
    bool hit;
  } cases[] = {
      {0, 0, true},    {-25, -25, true}, {25, 25, true},  {25, -25, true}, {-25, 25, true},
      {-26, 0, false}, {26, 0, false},   {0, -26, false}, {0, 26, false},
  };
  for (const auto& c : cases) {
    GameState s = restingBoss(300);
    s.playerX = 301 + c.dx;
    s.playerY = 61 + c.dy;
    runBossPhase(s);
    SCOPED_TRACE(testing::Message() << "dx " << c.dx << " dy " << c.dy);
    EXPECT_EQ(s.bossBodySite.dying, c.hit ? 1 : 0);
    EXPECT_EQ(s.playerY, c.hit ? -30 : 61 + c.dy);
    EXPECT_EQ(s.bossBodySite.explosionX, c.hit ? 301 + c.dx : 0);
    EXPECT_EQ(s.bossBodySite.explosionY, c.hit ? 61 + c.dy : -30);
    EXPECT_EQ(s.lifeIcon1Y, c.hit ? -30 : 0);
  }
}

TEST(BossBody, TheDescendingBossTouchesADestroyedShipWhileWithin25OfIt) {
  // The destroyed ship lies at y -30; the boss takes its step before the test.
  const struct {
    i32 yBefore;
    i32 playerX;
    bool hit;
  } cases[] = {
      {-57, 380, false}, {-56, 380, true}, {-6, 405, true},
      {-5, 380, false},  {-30, 355, true}, {-30, 354, false},
  };
  for (const auto& c : cases) {
    GameState s;
    s.tickCount = 17100;
    s.bossEntered = 1;
    s.bossX = 380;
    s.bossY = c.yBefore;
    s.playerX = c.playerX;
    s.playerY = -30;
    runBossPhase(s);
    SCOPED_TRACE(testing::Message() << "boss y " << s.bossY << " player x " << c.playerX);
    EXPECT_EQ(s.bossBodySite.dying, c.hit ? 1 : 0);
    EXPECT_EQ(s.bossBodySite.explosionX, c.hit ? c.playerX : 0);
  }
}

TEST(BossBody, ItsSiteRespawnsTheShip100TicksAfterTheHit) {
  GameState s = restingBoss(300);
  s.playerX = 301;
  s.playerY = 61;
  runBossPhase(s);
  ASSERT_EQ(s.bossBodySite.dying, 1);
  s.playerX = 0;  // moved out of reach while destroyed
  for (int i = 1; i < 100; ++i) {
    runBossPhase(s);
    ASSERT_EQ(s.playerY, -30) << i;
  }
  runBossPhase(s);
  EXPECT_EQ(s.playerX, 365);
  EXPECT_EQ(s.playerY, 400);
  EXPECT_EQ(s.bossBodySite.dying, 0);
  EXPECT_EQ(s.bossBodySite.respawnTimer, 1);
  EXPECT_EQ(s.bossBodySite.explosionX, 10);
  EXPECT_EQ(s.lostFirstLife, 1);
}

}  // namespace
}  // namespace vantorix
