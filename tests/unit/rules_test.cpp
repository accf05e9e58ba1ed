#include "game/rules.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantorix {
namespace {

constexpr i32 kMax = std::numeric_limits<i32>::max();
constexpr i32 kMin = std::numeric_limits<i32>::min();

// Every contact box at each of its four edges: the edge itself touches, one
// pixel beyond it misses. The reaches are written out, not taken from the
// constants, so that a wrong margin shows here.
TEST(BoxTest, EveryMarginOfEveryBoxIsInclusiveAndOnePixelFurtherMisses) {
  constexpr i32 kAx = 300;
  constexpr i32 kAy = 200;
  const struct {
    const char* box;
    Margins margins;
    i32 left, right, top, bottom;  // how far the box reaches from its anchor
  } boxes[] = {
      {"fighter body", kFighterBodyMargins, 20, 20, 20, 20},
      {"bullet", kBulletMargins, 15, 25, 15, 15},
      {"heavy body", kHeavyBodyMargins, 25, 60, 25, 25},
      {"boss body", kBossBodyMargins, 25, 25, 25, 25},
  };
  for (const auto& b : boxes) {
    const struct {
      const char* edge;
      i32 x, y, dx, dy;  // a point on the edge, and the step that leaves the box
    } edges[] = {
        {"left", kAx - b.left, kAy, -1, 0},
        {"right", kAx + b.right, kAy, 1, 0},
        {"top", kAx, kAy - b.top, 0, -1},
        {"bottom", kAx, kAy + b.bottom, 0, 1},
    };
    for (const auto& e : edges) {
      EXPECT_TRUE(inBox(e.x, e.y, kAx, kAy, b.margins)) << b.box << ", " << e.edge << " edge";
      EXPECT_FALSE(inBox(e.x + e.dx, e.y + e.dy, kAx, kAy, b.margins))
          << b.box << ", one pixel beyond the " << e.edge << " edge";
    }
  }
}

TEST(BoxTest, FarOffPositionsNeitherOverflowNorHit) {
  EXPECT_FALSE(inBox(kMax, 0, kMin, 0, kBulletMargins));
  EXPECT_FALSE(inBox(kMin, 0, kMax, 0, kHeavyBodyMargins));
  EXPECT_TRUE(inBox(kMax, kMin, kMax - 25, kMin + 15, kBulletMargins));
  EXPECT_TRUE(inBox(kMin, kMax, kMin + 15, kMax - 15, kBulletMargins));
}

// Drives two sites by hand the way the tick does: the test, then the check.
class Lives : public ::testing::Test {
 protected:
  void hitBy(HitSite& site) {
    hitPlayer(s, site);
    checkRespawn(s, site);
  }
  void tickWithoutHit(HitSite& site, int ticks = 1) {
    for (int i = 0; i < ticks; ++i)
      checkRespawn(s, site);
  }
  void expectLives(i32 icon1Y, i32 icon2Y, i32 lostFirst, i32 lostSecond, i32 gameOver) {
    EXPECT_EQ(s.lifeIcon1Y, icon1Y);
    EXPECT_EQ(s.lifeIcon2Y, icon2Y);
    EXPECT_EQ(s.lostFirstLife, lostFirst);
    EXPECT_EQ(s.lostSecondLife, lostSecond);
    EXPECT_EQ(s.gameOverMark, gameOver);
  }
  GameState s;
  HitSite a;
  HitSite b;
};

TEST_F(Lives, AHitShowsTheExplosionWhereTheShipWasAndRespawnsItHundredTicksLater) {
  s.playerX = 120;
  s.playerY = 300;
  hitBy(a);
  EXPECT_EQ(a.explosionX, 120);
  EXPECT_EQ(a.explosionY, 300);
  EXPECT_EQ(s.playerY, -30);
  EXPECT_EQ(s.playerX, 120);
  expectLives(-30, 0, 0, 0, 0);  // the first icon goes at once
  tickWithoutHit(a, 99);
  EXPECT_EQ(s.playerY, -30) << "still destroyed 99 ticks after the hit";
  tickWithoutHit(a);
  EXPECT_EQ(s.playerX, 365);
  EXPECT_EQ(s.playerY, 400);
  EXPECT_EQ(a.explosionX, 10);
  EXPECT_EQ(a.explosionY, -30);
  EXPECT_EQ(a.dying, 0);
  EXPECT_EQ(a.respawnTimer, 1) << "rests at 1 while the second life is still there";
  expectLives(-30, 0, 1, 0, 0);
}

TEST_F(Lives, FollowTheTableToTheThirdHitWhichEndsTheGame) {
  hitBy(a);
  tickWithoutHit(a, 100);
  expectLives(-30, 0, 1, 0, 0);
  hitBy(b);
  expectLives(-30, -30, 1, 1, 0);  // the second hit never ends the game
  tickWithoutHit(b, 100);
  EXPECT_EQ(b.respawnTimer, 0) << "rests at 0 once the second life is lost";
  EXPECT_EQ(s.playerY, 400);
  hitBy(b);
  expectLives(-30, -30, 1, 1, -30);
}

TEST_F(Lives, AHitWhileStillDestroyedCostsNothingMoreAndDoesNotRestartTheCount) {
  hitBy(a);
  tickWithoutHit(a, 50);
  hitBy(b);  // e.g. a fighter re-entering at the top touches the wreck
  expectLives(-30, 0, 0, 0, 0);
  EXPECT_EQ(b.dying, 1);
  hitBy(a);  // the dying site touches again: its count goes on
  tickWithoutHit(a, 49);
  EXPECT_EQ(s.playerY, 400) << "a respawns 100 ticks after its first hit";
  EXPECT_EQ(a.respawnTimer, 1);
}

TEST_F(Lives, TheSiteOfTheFirstLossCostsNothingOnceTheSecondIsGoneThenEndsTheGame) {
  hitBy(a);
  tickWithoutHit(a, 100);  // a rests at 1
  hitBy(b);
  tickWithoutHit(b, 100);  // b rests at 0
  hitBy(a);
  expectLives(-30, -30, 1, 1, 0);
  tickWithoutHit(a, 98);
  EXPECT_EQ(s.playerY, -30);
  tickWithoutHit(a, 1);
  EXPECT_EQ(s.playerY, 400) << "from a resting 1 the respawn comes 99 ticks after the hit";
  EXPECT_EQ(a.respawnTimer, 0);
  hitBy(a);
  EXPECT_EQ(s.gameOverMark, -30);
}

TEST_F(Lives, EachDyingSiteRespawnsTheShipWhenItsOwnCountRunsOut) {
  hitBy(a);
  tickWithoutHit(a, 10);
  s.playerX = 200;  // the wreck is steered into another object
  hitBy(b);
  tickWithoutHit(a, 90);  // a's respawn
  tickWithoutHit(b, 99);
  s.playerX = 100;  // moved by the keys after a's respawn
  s.playerY = 300;
  tickWithoutHit(b, 1);  // b's respawn undoes the move
  EXPECT_EQ(s.playerX, 365);
  EXPECT_EQ(s.playerY, 400);
}

TEST_F(Lives, AfterAContinueASiteRestingAtZeroBehavesAsAFreshOne) {
  hitBy(a);
  tickWithoutHit(a, 100);
  hitBy(b);
  tickWithoutHit(b, 100);
  hitBy(b);
  ASSERT_EQ(s.gameOverMark, -30);
  // The continue gives back the ship and both lives, sites untouched.
  s.playerX = 365;
  s.playerY = 400;
  s.lifeIcon1Y = s.lifeIcon2Y = 0;
  s.gameOverMark = s.lostFirstLife = s.lostSecondLife = 0;
  tickWithoutHit(b, 100);
  EXPECT_EQ(s.playerY, 400) << "the fatal site still completes its respawn";
  EXPECT_EQ(b.respawnTimer, 1) << "and, with the second life back, rests at 1";
  HitSite c;
  hitBy(c);
  expectLives(-30, 0, 0, 0, 0);
}

}  // namespace
}  // namespace vantorix
