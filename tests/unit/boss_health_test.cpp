// The boss's health bar: the shot's hits, the notch chain, the hit flash that
// paces it, and the defeat with the 126th notch.
#include <gtest/gtest.h>

#include <vector>

#include "game/game_state.h"
#include "game/phases.h"
#include "tests/unit/test_states.h"

namespace vantorix {
namespace {

constexpr i32 kBossX = 300;
constexpr i32 kBossY = 61;

GameState arrivedBoss() {
  return test::restingBoss(kBossX);
}

void shotOnBoss(GameState& s) {
  s.shotX = s.bossX;
  s.shotY = s.bossY;
}

void shotAway(GameState& s) {
  s.shotX = -100;
  s.shotY = -100;
}

TEST(BossHealth, NoNotchAndNoFlashBeforeTheBossArrives) {
  GameState s = arrivedBoss();
  s.bossArrived = 0;
  s.bossY = 30;
  shotOnBoss(s);
  EXPECT_FALSE(runBossHealthStep(s));
  EXPECT_EQ(s.bossHits, 0);
  EXPECT_EQ(s.notches[0].y, -100);
  EXPECT_EQ(s.bossFlashActive, 0);
  EXPECT_EQ(s.bossFlashY, -100);
}

TEST(BossHealth, TheFirstHitLaysNotchOneAtOnce) {
  GameState s = arrivedBoss();
  shotOnBoss(s);
  EXPECT_FALSE(runBossHealthStep(s));
  EXPECT_EQ(s.bossHits, 1);
  EXPECT_EQ(s.notches[0].x, 575);
  EXPECT_EQ(s.notches[0].y, 16);
  EXPECT_EQ(s.notches[1].y, -100);
  EXPECT_EQ(s.bossFlashActive, 1);
  EXPECT_EQ(s.bossFlashTimer, 1);
  EXPECT_EQ(s.bossFlashX, kBossX);
  EXPECT_EQ(s.bossFlashY, kBossY);
}

TEST(BossHealth, TheShotHitsOnEveryMarginIncludedAndNotOnePixelFurther) {
  const struct {
    i32 dx;
    i32 dy;
    bool hit;
  } cases[] = {
      {25, -25, true},  {-25, 25, true},  {25, 25, true},  {-25, -25, true},
      {26, -25, false}, {25, -26, false}, {-26, 0, false}, {0, 26, false},
  };
  for (const auto& c : cases) {
    GameState s = arrivedBoss();
    s.shotX = kBossX + c.dx;
    s.shotY = kBossY + c.dy;
    runBossHealthStep(s);
    SCOPED_TRACE(testing::Message() << "dx " << c.dx << " dy " << c.dy);
    EXPECT_EQ(s.bossHits, c.hit ? 1 : 0);
    EXPECT_EQ(s.bossFlashActive, c.hit ? 1 : 0);
  }
}

TEST(BossHealth, TheFlashRuns40TicksFollowsTheBossAndThenAllowsTheNextNotch) {
  GameState s = arrivedBoss();
  shotOnBoss(s);
  runBossHealthStep(s);  // tick T
  shotAway(s);
  for (int t = 1; t <= 39; ++t) {
    s.bossX = kBossX + t;  // the sweep moves the boss; the flash goes with it
    runBossHealthStep(s);
    ASSERT_EQ(s.bossFlashActive, 1) << t;
    ASSERT_EQ(s.bossFlashTimer, t + 1);
    ASSERT_EQ(s.bossFlashX, kBossX + t);
    ASSERT_EQ(s.bossFlashY, kBossY);
  }
  EXPECT_EQ(s.notchReady[0], 0);
  runBossHealthStep(s);  // T+40: the timer passes 40
  EXPECT_EQ(s.bossFlashActive, 0);
  EXPECT_EQ(s.bossFlashTimer, 0);
  EXPECT_EQ(s.bossFlashX, 0);
  EXPECT_EQ(s.bossFlashY, -100);
  EXPECT_EQ(s.notchReady[0], 1);
  EXPECT_EQ(s.notchReady[1], 0);
  EXPECT_EQ(s.bossHits, 1);
}

TEST(BossHealth, AHitDuringTheFlashIsAbsorbedAndTheFlashEndsOnTime) {
  GameState s = arrivedBoss();
  shotOnBoss(s);
  runBossHealthStep(s);
  shotAway(s);
  for (int t = 1; t <= 19; ++t)
    runBossHealthStep(s);
  shotOnBoss(s);
  runBossHealthStep(s);  // T+20
  EXPECT_EQ(s.bossHits, 1);
  EXPECT_EQ(s.notches[1].y, -100);
  EXPECT_EQ(s.bossFlashTimer, 21);  // not restarted
  shotAway(s);
  for (int t = 21; t <= 39; ++t)
    runBossHealthStep(s);
  EXPECT_EQ(s.bossFlashActive, 1);
  runBossHealthStep(s);  // T+40
  EXPECT_EQ(s.bossFlashActive, 0);
  EXPECT_EQ(s.notchReady[0], 1);
}

TEST(BossHealth, AShotInTheBoxAsTheFlashEndsLaysItsNotchOnlyInTheNextTick) {
  GameState s = arrivedBoss();
  shotOnBoss(s);
  runBossHealthStep(s);  // T
  shotAway(s);
  for (int t = 1; t <= 39; ++t)
    runBossHealthStep(s);
  shotOnBoss(s);
  runBossHealthStep(s);  // T+40: too early, the flash ends after the hit test
  EXPECT_EQ(s.bossHits, 1);
  EXPECT_EQ(s.bossFlashActive, 0);
  EXPECT_EQ(s.bossFlashY, -100);
  runBossHealthStep(s);  // T+41
  EXPECT_EQ(s.bossHits, 2);
  EXPECT_EQ(s.notches[1].x, 572);
  EXPECT_EQ(s.notches[1].y, 16);
  EXPECT_EQ(s.bossFlashActive, 1);
  EXPECT_EQ(s.bossFlashTimer, 1);
}

TEST(BossHealth, AShotHeldInTheBoxLaysANotchEvery41Ticks) {
  GameState s = arrivedBoss();
  std::vector<int> laidAt;
  for (int tick = 0; tick < 41 * 6 + 1; ++tick) {
    shotOnBoss(s);
    const i32 before = s.bossHits;
    runBossHealthStep(s);
    if (s.bossHits != before) laidAt.push_back(tick);
  }
  ASSERT_EQ(laidAt.size(), 7U);
  for (std::size_t k = 0; k < laidAt.size(); ++k)
    EXPECT_EQ(laidAt[k], static_cast<int>(41 * k));
}

TEST(BossHealth, TheNotchesFillTheBarRightToLeftAndTheLastDefeatsTheBoss) {
  GameState s = arrivedBoss();
  for (int n = 1; n <= 126; ++n) {
    shotOnBoss(s);
    const bool defeated = runBossHealthStep(s);
    ASSERT_EQ(s.bossHits, n);
    ASSERT_EQ(s.notches[n - 1].x, n == 126 ? 201 : 578 - 3 * n) << n;
    ASSERT_EQ(s.notches[n - 1].y, 16) << n;
    ASSERT_EQ(defeated, n == 126) << n;
    if (defeated) break;
    ASSERT_EQ(s.defeatExplosionY, -30);
    shotAway(s);
    for (int t = 1; t <= 40; ++t)
      runBossHealthStep(s);
    ASSERT_EQ(s.notchReady[n - 1], 1) << n;
  }
  EXPECT_EQ(s.notches[123].x, 206);
  EXPECT_EQ(s.notches[124].x, 203);
  EXPECT_EQ(s.defeatExplosionX, kBossX);
  EXPECT_EQ(s.defeatExplosionY, kBossY);
}

TEST(BossHealth, TheDefeatNeedsTheShotOnTheBossButNotTheArrivalFlag) {
  GameState s = arrivedBoss();
  s.bossHits = 126;
  shotAway(s);
  EXPECT_FALSE(runBossHealthStep(s));
  EXPECT_EQ(s.defeatExplosionY, -30);

  s.bossArrived = 0;
  s.shotX = kBossX - 25;
  s.shotY = kBossY + 25;
  EXPECT_TRUE(runBossHealthStep(s));
  EXPECT_EQ(s.defeatExplosionX, kBossX);
  EXPECT_EQ(s.defeatExplosionY, kBossY);
}

}  // namespace
}  // namespace vantorix
