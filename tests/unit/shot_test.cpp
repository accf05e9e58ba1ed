// The player's shot: the space bar's two flags, the climb and re-fire, the
// knock-back of fighters and the flash cycles that wear a heavy down.
#include <gtest/gtest.h>

#include <limits>
#include <ostream>

#include "game/game_state.h"
#include "game/keyboard.h"
#include "game/phases.h"
#include "game/tick.h"

namespace vantorix {
namespace {

// A shot that is neither armed nor queued stays where it is put, which lets a
// test hold it on a target for exactly the ticks it wants.
void placeShot(GameState& s, i32 x, i32 y) {
  s.shotX = x;
  s.shotY = y;
}

void runShotPhases(GameState& s, int count) {
  for (int i = 0; i < count; ++i)
    runShotPhase(s);
}

struct SpaceCase {
  i32 shotY;
  i32 armedBefore;
  i32 queuedBefore;
  i32 armedAfter;
  i32 queuedAfter;
};
void PrintTo(const SpaceCase& c, std::ostream* out) {
  *out << "shot y " << c.shotY << " armed " << c.armedBefore << " queued " << c.queuedBefore;
}

class ShotSpaceKey : public testing::TestWithParam<SpaceCase> {};

TEST_P(ShotSpaceKey, SetsTheShotFlags) {
  const SpaceCase& c = GetParam();
  GameState s;
  s.shotY = c.shotY;
  s.shotArmed = c.armedBefore;
  s.shotQueued = c.queuedBefore;
  pressKey(s, kVkSpace);
  EXPECT_EQ(s.shotArmed, c.armedAfter);
  EXPECT_EQ(s.shotQueued, c.queuedAfter);
}

INSTANTIATE_TEST_SUITE_P(Presses, ShotSpaceKey,
                         testing::Values(SpaceCase{-100, 0, 0, 1, 1},  // the resting shot
                                         SpaceCase{49, 1, 0, 1, 1},
                                         SpaceCase{50, 1, 0, 1, 0},  // low on the screen
                                         SpaceCase{50, 0, 0, 1, 0}, SpaceCase{370, 1, 0, 1, 0},
                                         SpaceCase{-100, 0, 1, 0, 1}));  // already queued

struct FlightCase {
  const char* what;
  i32 armed;
  i32 queued;
  i32 shotY;
  i32 playerY;
  i32 shotXAfter;
  i32 shotYAfter;
  i32 queuedAfter;
};
void PrintTo(const FlightCase& c, std::ostream* out) {
  *out << c.what;
}

class ShotFlight : public testing::TestWithParam<FlightCase> {};

TEST_P(ShotFlight, ClimbsAndIsReFired) {
  const FlightCase& c = GetParam();
  GameState s;
  s.playerX = 365;
  s.playerY = c.playerY;
  s.shotArmed = c.armed;
  s.shotQueued = c.queued;
  placeShot(s, 200, c.shotY);
  runShotPhase(s);
  EXPECT_EQ(s.shotX, c.shotXAfter) << c.what;
  EXPECT_EQ(s.shotY, c.shotYAfter) << c.what;
  EXPECT_EQ(s.shotQueued, c.queuedAfter) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ShotFlight,
    testing::Values(FlightCase{"at rest", 0, 0, -100, 400, 200, -100, 0},
                    FlightCase{"armed climbs", 1, 0, 100, 400, 200, 95, 0},
                    FlightCase{"queued alone climbs", 0, 1, 100, 400, 200, 95, 1},
                    FlightCase{"reaches -50: not yet", 1, 1, -45, 400, 200, -50, 1},
                    FlightCase{"reaches -55: re-fired", 1, 1, -50, 400, 365, 370, 0},
                    FlightCase{"unqueued passes -55", 1, 0, -50, 400, 200, -55, 0},
                    FlightCase{"queued far above", 0, 1, -500, 400, 365, 370, 0},
                    FlightCase{"ship destroyed", 1, 1, -50, -30, 365, -60, 0}));

TEST(ShotFlight, AShipAtYFourHundredFiresEveryEightyFiveTicks) {
  GameState s;
  s.shotArmed = 1;
  s.shotQueued = 1;
  runShotPhase(s);
  ASSERT_EQ(s.shotY, 370);
  for (int shot = 0; shot < 3; ++shot) {
    for (int tick = 1; tick < 85; ++tick) {
      if (s.shotY < 50) pressKey(s, kVkSpace);
      runShotPhase(s);
      ASSERT_EQ(s.shotY, 370 - 5 * tick);
    }
    runShotPhase(s);
    EXPECT_EQ(s.shotY, 370);
    EXPECT_EQ(s.shotQueued, 0);
  }
}

TEST(ShotFlight, StaysOutOfReachHoweverLongItRises) {
  GameState s;
  s.shotArmed = 1;
  for (int tick = 0; tick < 1'000'000; ++tick)
    runShotPhase(s);
  EXPECT_LT(s.shotY, -225);
  // A y the climb reaches after some 429 million ticks: still no way back.
  s.shotY = -2147483640;
  runShotPhases(s, 3);
  EXPECT_LT(s.shotY, -225);
  // And it can still be re-fired from there.
  pressKey(s, kVkSpace);
  runShotPhase(s);
  EXPECT_EQ(s.shotX, s.playerX);
  EXPECT_EQ(s.shotY, 370);
}

struct Offset {
  i32 dx;
  i32 dy;
  bool hits;
};
void PrintTo(const Offset& c, std::ostream* out) {
  *out << "dx " << c.dx << " dy " << c.dy;
}

class ShotOnFighter : public testing::TestWithParam<Offset> {};

TEST_P(ShotOnFighter, KnocksItBackWithinTwentyEachWay) {
  const Offset& c = GetParam();
  GameState s;
  placeShot(s, 400, 300);
  Fighter& f = s.fighters[0];
  f.x = 400 + c.dx;
  f.y = 300 + c.dy;
  runShotPhase(s);
  if (c.hits) {
    EXPECT_EQ(f.y, -100);
    EXPECT_EQ(f.x, 400 + c.dx);
    EXPECT_EQ(f.explosionX, 400 + c.dx);
    EXPECT_EQ(f.explosionY, 300 + c.dy);
    EXPECT_EQ(f.exploding, 1);
    EXPECT_EQ(f.explosionTimer, 1);
  } else {
    EXPECT_EQ(f.y, 300 + c.dy);
    EXPECT_EQ(f.exploding, 0);
    EXPECT_EQ(f.explosionY, -30);
  }
}

INSTANTIATE_TEST_SUITE_P(Margins, ShotOnFighter,
                         testing::Values(Offset{0, 0, true}, Offset{20, 0, true},
                                         Offset{21, 0, false}, Offset{-20, 0, true},
                                         Offset{-21, 0, false}, Offset{0, 20, true},
                                         Offset{0, 21, false}, Offset{0, -20, true},
                                         Offset{0, -21, false}, Offset{20, -20, true},
                                         Offset{-21, 20, false}));

TEST(ShotFighterExplosion, StandsOneHundredTicksEvenIfTheFighterIsHitAgain) {
  GameState s;
  Fighter& f = s.fighters[1];
  f.x = 400;
  f.y = 300;
  placeShot(s, 400, 300);
  runShotPhase(s);
  ASSERT_EQ(f.y, -100);
  // The rising shot meets the knocked-back fighter again off-screen: the
  // explosion jumps there, but its count goes on from the first hit.
  runShotPhases(s, 9);
  placeShot(s, 400, -90);
  runShotPhase(s);
  EXPECT_EQ(f.explosionX, 400);
  EXPECT_EQ(f.explosionY, -100);
  placeShot(s, -100, -100);
  runShotPhases(s, 89);
  EXPECT_EQ(f.explosionTimer, 100);
  EXPECT_EQ(f.exploding, 1);
  runShotPhase(s);
  EXPECT_EQ(f.explosionX, 10);
  EXPECT_EQ(f.explosionY, -30);
  EXPECT_EQ(f.exploding, 0);
  EXPECT_EQ(f.explosionTimer, 0);
}

class ShotOnHeavy : public testing::TestWithParam<Offset> {};

TEST_P(ShotOnHeavy, FlashesItWithinItsBox) {
  const Offset& c = GetParam();
  GameState s;
  Heavy& h = s.heavies[0];
  h.x = 300;
  h.y = 200;
  placeShot(s, 300 + c.dx, 200 + c.dy);
  runShotPhase(s);
  EXPECT_EQ(h.flashing, c.hits ? 1 : 0);
  EXPECT_EQ(s.heavyFlashX, c.hits ? 300 : 0);
  EXPECT_EQ(s.heavyFlashY, c.hits ? 200 : -50);
}

INSTANTIATE_TEST_SUITE_P(Margins, ShotOnHeavy,
                         testing::Values(Offset{0, 0, true}, Offset{-25, 0, true},
                                         Offset{-26, 0, false}, Offset{60, 0, true},
                                         Offset{61, 0, false}, Offset{0, -25, true},
                                         Offset{0, -26, false}, Offset{0, 25, true},
                                         Offset{0, 26, false}, Offset{60, 25, true},
                                         Offset{-25, -25, true}, Offset{61, 25, false}));

TEST(HeavyFlash, CountsOnlyFinishedCycles) {
  GameState s;
  Heavy& h = s.heavies[0];
  h.x = 300;
  h.y = 200;
  placeShot(s, 300, 200);  // overlapping the whole time
  runShotPhases(s, 70);    // the tick of the hit and the 69 after it
  EXPECT_EQ(h.flashTimer, 70);
  EXPECT_EQ(h.hitCount, 0);
  runShotPhase(s);  // the 70th tick after the hit ends the cycle
  EXPECT_EQ(h.flashing, 0);
  EXPECT_EQ(h.flashTimer, 0);
  EXPECT_EQ(h.hitCount, 1);
  EXPECT_EQ(s.heavyFlashX, 10);
  EXPECT_EQ(s.heavyFlashY, -100);
  runShotPhase(s);  // still overlapping: a new cycle
  EXPECT_EQ(h.flashing, 1);
  runShotPhases(s, 70);
  EXPECT_EQ(h.hitCount, 2);
  EXPECT_EQ(h.y, 200);
}

TEST(HeavyFlash, FifthSeparatePassDestroysTheHeavy) {
  GameState s;
  Heavy& h = s.heavies[1];
  h.x = 300;
  h.y = 200;
  for (int pass = 0; pass < 4; ++pass) {
    placeShot(s, 310, 180);
    runShotPhase(s);
    placeShot(s, -100, -100);
    runShotPhases(s, 80);
  }
  ASSERT_EQ(h.hitCount, 4);
  ASSERT_EQ(h.y, 200);
  placeShot(s, 310, 180);
  runShotPhase(s);
  EXPECT_EQ(h.y, 500);
  EXPECT_EQ(h.explosionX, 325);
  EXPECT_EQ(h.explosionY, 210);
  EXPECT_EQ(h.hitCount, 0);
  EXPECT_EQ(s.heavyFlashX, 300);
  EXPECT_EQ(s.heavyFlashY, 500);
  placeShot(s, -100, -100);
  runShotPhases(s, 69);
  EXPECT_EQ(h.explosionX, 325);
  EXPECT_EQ(h.flashTimer, 70);
  runShotPhase(s);
  EXPECT_EQ(h.explosionX, 0);
  EXPECT_EQ(h.explosionY, -30);
  EXPECT_EQ(h.hitCount, 1);
  EXPECT_EQ(h.y, 500);
}

TEST(HeavyFlash, HitsDuringARunningCycleStartNothing) {
  GameState s;
  Heavy& h = s.heavies[0];
  h.x = 300;
  h.y = 200;
  h.hitCount = 3;
  h.flashing = 1;
  h.flashTimer = 30;
  placeShot(s, 300, 200);
  runShotPhase(s);
  EXPECT_EQ(h.flashTimer, 31);
  EXPECT_EQ(h.hitCount, 3);
  EXPECT_EQ(h.y, 200);
}

// Both heavies share one flash: it shows at the x of the latest hit and, while
// both cycles run, at heavy 2's y, since heavy 2's step comes last.
TEST(HeavySharedFlash, FollowsHeavyTwoWhileBothRun) {
  GameState s;
  Heavy& h1 = s.heavies[0];
  Heavy& h2 = s.heavies[1];
  h1.x = 550;
  h1.y = 200;
  h2.x = 150;
  h2.y = 300;
  placeShot(s, 550, 200);
  runShotPhase(s);  // tick 1: heavy 1 hit
  EXPECT_EQ(s.heavyFlashX, 550);
  EXPECT_EQ(s.heavyFlashY, 200);
  placeShot(s, -100, -100);
  runShotPhases(s, 9);
  placeShot(s, 150, 300);
  runShotPhase(s);  // tick 11: heavy 2 hit
  EXPECT_EQ(s.heavyFlashX, 150);
  EXPECT_EQ(s.heavyFlashY, 300);
  placeShot(s, -100, -100);
  runShotPhases(s, 9);
  placeShot(s, 550, 200);
  runShotPhase(s);  // tick 21: heavy 1 again, inside its cycle
  EXPECT_EQ(s.heavyFlashX, 550);
  EXPECT_EQ(s.heavyFlashY, 300);
  EXPECT_EQ(h1.flashTimer, 21);
  placeShot(s, -100, -100);
  runShotPhases(s, 50);  // tick 71: heavy 1's cycle ends, heavy 2 sets y again
  EXPECT_EQ(h1.flashing, 0);
  EXPECT_EQ(h1.hitCount, 1);
  EXPECT_EQ(s.heavyFlashX, 10);
  EXPECT_EQ(s.heavyFlashY, 300);
  runShotPhases(s, 10);  // tick 81: heavy 2's ends
  EXPECT_EQ(h2.hitCount, 1);
  EXPECT_EQ(s.heavyFlashX, 10);
  EXPECT_EQ(s.heavyFlashY, -100);
}

TEST(HeavySharedFlash, HeavyOneTakesItBackOneTickAfterHeavyTwosCycleEnds) {
  GameState s;
  Heavy& h1 = s.heavies[0];
  Heavy& h2 = s.heavies[1];
  h1.x = 550;
  h1.y = 200;
  h2.x = 150;
  h2.y = 300;
  placeShot(s, 150, 300);
  runShotPhase(s);  // tick 1: heavy 2 hit
  placeShot(s, -100, -100);
  runShotPhases(s, 9);
  placeShot(s, 550, 200);
  runShotPhase(s);  // tick 11: heavy 1 hit
  EXPECT_EQ(s.heavyFlashX, 550);
  EXPECT_EQ(s.heavyFlashY, 300);
  placeShot(s, -100, -100);
  runShotPhases(s, 60);  // tick 71: heavy 2's cycle ends after heavy 1's step
  EXPECT_EQ(h2.flashing, 0);
  EXPECT_EQ(s.heavyFlashX, 10);
  EXPECT_EQ(s.heavyFlashY, -100);
  runShotPhase(s);  // tick 72
  EXPECT_EQ(s.heavyFlashX, 10);
  EXPECT_EQ(s.heavyFlashY, 200);
  runShotPhases(s, 9);  // tick 81: heavy 1's ends
  EXPECT_EQ(h1.flashing, 0);
  EXPECT_EQ(s.heavyFlashY, -100);
}

// Long after the returns have ended, a rising shot and heavies sunk below the
// field stay out of sight and out of reach, whatever the tick count.
TEST(ShotLateGame, ShotAndHeaviesStayAwayForGood) {
  GameState s;
  s.tickCount = 15000;
  s.playerY = 5000;  // far below everything
  s.shotArmed = 1;
  s.shotY = -300;  // already above every box
  s.heavies[0].entered = 1;
  s.heavies[0].y = 1501;
  s.heavies[1].entered = 1;
  s.heavies[1].y = 2801;
  for (int tick = 0; tick < 200'000; ++tick) {
    runWorldTick(s);
    ASSERT_LT(s.shotY, -225) << "tick " << s.tickCount;
    ASSERT_GT(s.heavies[0].y, 470) << "tick " << s.tickCount;
    ASSERT_GT(s.heavies[1].y, 470) << "tick " << s.tickCount;
  }
  s.heavies[0].y = std::numeric_limits<i32>::max() - 1;
  runWorldTick(s);
  EXPECT_GT(s.heavies[0].y, 470);
}

}  // namespace
}  // namespace vantorix
