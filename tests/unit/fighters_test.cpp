#include <gtest/gtest.h>

#include <vector>

#include "game/phases.h"
#include "game/tick.h"
#include "game/timeline.h"

namespace vantorix {
namespace {

// The ship kept well away from every fighter and bullet.
GameState stateWithSafeShip() {
  GameState s;
  s.playerX = -1000;
  return s;
}

std::vector<i32> fighter1XsAround(i32 startX, i32 leftward, int ticks) {
  GameState s = stateWithSafeShip();
  s.fighters[0].x = startX;
  s.fighters[0].leftward = leftward;
  std::vector<i32> xs;
  for (int i = 0; i < ticks; ++i) {
    runFighterPhase(s);
    xs.push_back(s.fighters[0].x);
  }
  return xs;
}

TEST(FighterSweep, HoldsTheRightEndForTwoTicksAndShowsTheLeftEndOnce) {
  EXPECT_EQ(fighter1XsAround(717, 0, 6), (std::vector<i32>{718, 719, 720, 720, 719, 718}));
  EXPECT_EQ(fighter1XsAround(7, 1, 5), (std::vector<i32>{6, 5, 4, 5, 6}));
}

TEST(FighterSweep, ACycleTakes1433Ticks) {
  GameState s = stateWithSafeShip();
  s.fighters[0].x = 100;
  for (int i = 0; i < 1433; ++i)
    runFighterPhase(s);
  EXPECT_EQ(s.fighters[0].x, 100);
  EXPECT_EQ(s.fighters[0].leftward, 0);
}

TEST(FighterSinking, WrapsToTheTopUntilTick15000AndThenLeavesForGood) {
  GameState s = stateWithSafeShip();
  s.tickCount = kReturnsEndTick - 1;
  s.fighters[0].y = 480;
  runFighterPhase(s);
  EXPECT_EQ(s.fighters[0].y, -30);

  s.tickCount = kReturnsEndTick;
  s.fighters[0].y = 480;
  runFighterPhase(s);
  EXPECT_EQ(s.fighters[0].y, 481);
  runFighterPhase(s);
  EXPECT_EQ(s.fighters[0].y, 482);
}

TEST(FighterSinking, AFighterGoneForGoodRestsFarBelowInsteadOfOverflowing) {
  GameState s = stateWithSafeShip();
  s.tickCount = kReturnsEndTick;
  s.fighters[0].y = kFarBelowField - 1;
  for (int i = 0; i < 5; ++i)
    runFighterPhase(s);
  EXPECT_EQ(s.fighters[0].y, kFarBelowField);
  EXPECT_EQ(s.fighters[0].bullets[0].flying, 0);
}

TEST(FighterVolley, LeavesInTheBandFallsTwoPixelsATickAndStopsJustBelowTheField) {
  GameState s = stateWithSafeShip();
  for (int t = 1; t <= 51; ++t)
    runWorldTick(s);
  const Fighter& f = s.fighters[0];
  ASSERT_EQ(f.y, 11);
  const i32 expectedDx[] = {-1, +1, 0};
  for (int i = 0; i < kFighterBulletCount; ++i) {
    EXPECT_EQ(f.bullets[i].x, f.x + expectedDx[i]);
    EXPECT_EQ(f.bullets[i].y, 33);
    EXPECT_EQ(f.bullets[i].flying, 1);
  }
  for (int t = 52; t <= 274; ++t)
    runWorldTick(s);
  EXPECT_EQ(f.bullets[2].y, 479);
  EXPECT_EQ(f.bullets[2].flying, 1);
  runWorldTick(s);  // tick 275
  EXPECT_EQ(f.bullets[2].y, 481);
  EXPECT_EQ(f.bullets[2].flying, 0);
  runWorldTick(s);
  EXPECT_EQ(f.bullets[2].y, 481) << "a landed bullet waits where it stopped";
}

TEST(FighterVolley, LeavesOnlyWhileTheFighterIsStrictlyInsideTheBand) {
  // The fighter's y after its sinking step, against the band's bounds 10 and 20.
  for (const auto& [y, launches] :
       {std::pair{10, false}, std::pair{11, true}, std::pair{19, true}, std::pair{20, false}}) {
    GameState s = stateWithSafeShip();
    Fighter& f = s.fighters[0];
    f.y = y - 1;
    runFighterPhase(s);
    ASSERT_EQ(f.y, y);
    for (int i = 0; i < kFighterBulletCount; ++i) {
      EXPECT_EQ(f.bullets[i].flying, launches ? 1 : 0) << "fighter y " << y;
      EXPECT_EQ(f.bullets[i].y, launches ? y + 22 : kStartState.fighters[0].bullets[i].y)
          << "fighter y " << y;
    }
  }
}

TEST(FighterVolley, ABulletStillFlyingIsNotRelaunchedAndOneThatLandsInTheBandLeavesNextTick) {
  GameState s = stateWithSafeShip();
  Fighter& f = s.fighters[0];
  f.y = 10;
  f.bullets[0] = {.x = 0, .y = 479, .flying = 1, .site = {}};
  runFighterPhase(s);  // fighter at 11; the left bullet lands at 481
  EXPECT_EQ(f.bullets[0].y, 481);
  EXPECT_EQ(f.bullets[0].flying, 0);
  EXPECT_EQ(f.bullets[1].flying, 1);
  runFighterPhase(s);  // fighter at 12, still in the band
  EXPECT_EQ(f.bullets[0].y, 34);
  EXPECT_EQ(f.bullets[0].flying, 1);
}

TEST(FighterContacts, ABulletTouchesTheShip25PixelsRightAnd15BelowButNot26Right) {
  for (const auto& [dx, hit] : {std::pair{25, true}, std::pair{26, false}}) {
    GameState s;
    Bullet& down = s.fighters[2].bullets[2];
    down = {.x = 300, .y = 200, .flying = 0, .site = {}};
    s.playerX = 300 + dx;
    s.playerY = 215;
    runFighterPhase(s);
    EXPECT_EQ(s.playerY == -30, hit) << dx;
    EXPECT_EQ(down.site.dying, hit ? 1 : 0) << dx;
  }
}

TEST(FighterContacts, TheWreckAtTheTopIsTouchedByAFighterComingBackIntoTheField) {
  GameState s;
  s.playerX = 100;
  s.playerY = -30;
  s.fighters[1].x = 119;  // moves to 120: within 20 of the wreck
  s.fighters[1].y = -51;  // sinks to -50, the lowest y whose box reaches -30
  runFighterPhase(s);
  EXPECT_EQ(s.fighters[1].bodySite.dying, 1);
  EXPECT_EQ(s.fighters[1].bodySite.explosionX, 100);
  EXPECT_EQ(s.fighters[1].bodySite.explosionY, -30);
}

}  // namespace
}  // namespace vantorix
