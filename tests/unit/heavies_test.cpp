// The heavies: their entry, the pauses that make them hold in the band, the
// volleys, the wrap, and the contact boxes of their bodies and bullets.
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <ostream>

#include "game/game_state.h"
#include "game/phases.h"

namespace vantorix {
namespace {

constexpr int kHeavy1 = 0;
constexpr int kHeavy2 = 1;

// Every site a heavy owns, body first, in the order the heavy tests them.
std::array<const HitSite*, 1 + kHeavyBulletCount> sitesOf(const Heavy& h) {
  std::array<const HitSite*, 1 + kHeavyBulletCount> sites{&h.bodySite};
  for (int b = 0; b < kHeavyBulletCount; ++b)
    sites[b + 1] = &h.bullets[b].site;
  return sites;
}

int dyingSites(const GameState& s) {
  int count = 0;
  for (const Heavy& h : s.heavies) {
    for (const HitSite* site : sitesOf(h))
      count += site->dying;
  }
  return count;
}

struct EntryCase {
  i32 tick;
  int heavy;
  bool enters;
  i32 x;
};
void PrintTo(const EntryCase& c, std::ostream* out) {
  *out << "heavy " << c.heavy + 1 << " at tick " << c.tick;
}

class HeavyEntry : public testing::TestWithParam<EntryCase> {};

TEST_P(HeavyEntry, EntersOncePastItsTick) {
  const EntryCase& c = GetParam();
  GameState s;
  s.tickCount = c.tick;
  runHeavyPhase(s);
  const Heavy& h = s.heavies[c.heavy];
  EXPECT_EQ(h.entered, c.enters ? 1 : 0);
  EXPECT_EQ(h.x, c.enters ? c.x : 0);
  EXPECT_EQ(h.y, c.enters ? -49 : -50);
}

INSTANTIATE_TEST_SUITE_P(Timeline, HeavyEntry,
                         testing::Values(EntryCase{1000, kHeavy2, false, 150},
                                         EntryCase{1001, kHeavy2, true, 150},
                                         EntryCase{3000, kHeavy1, false, 550},
                                         EntryCase{3001, kHeavy1, true, 550},
                                         EntryCase{3000, kHeavy2, true, 150}));

struct PauseCase {
  i32 y;
  i32 count;
  i32 yAfter;
  i32 countAfter;
};
void PrintTo(const PauseCase& c, std::ostream* out) {
  *out << "y " << c.y << " count " << c.count;
}

class HeavyPause : public testing::TestWithParam<PauseCase> {};

TEST_P(HeavyPause, HoldsOnceTheCounterPassesTen) {
  const PauseCase& c = GetParam();
  GameState s;
  s.tickCount = 5000;
  Heavy& h = s.heavies[kHeavy2];
  h.entered = 1;
  h.x = 150;
  h.y = c.y;
  h.pauseCount = c.count;
  runHeavyPhase(s);
  EXPECT_EQ(h.y, c.yAfter);
  EXPECT_EQ(h.pauseCount, c.countAfter);
}

INSTANTIATE_TEST_SUITE_P(Counter, HeavyPause,
                         testing::Values(PauseCase{29, 0, 30, 0},    // y 30 is outside the band
                                         PauseCase{30, 0, 31, 1},    // y 31 is inside
                                         PauseCase{39, 9, 40, 10},   // arrives at a hold
                                         PauseCase{40, 10, 40, 11},  // holds
                                         PauseCase{40, 100, 40, 0},  // last tick of the hold
                                         PauseCase{40, 0, 41, 1},    // moves on
                                         PauseCase{118, 8, 119, 9},  // last step in the band
                                         PauseCase{119, 9, 120, 9},  // y 120 is outside
                                         PauseCase{29, 10, 30,
                                                   10},  // counter 10 just above the band
                                         PauseCase{30, 10, 30, 11},      // holds at 30
                                         PauseCase{500, 50, 500, 50},    // destroyed while holding
                                         PauseCase{500, 10, 501, 10}));  // destroyed between holds

struct BandCase {
  i32 y;  // before the tick's descent
  bool launches;
};
void PrintTo(const BandCase& c, std::ostream* out) {
  *out << "y " << c.y;
}

class HeavyVolley : public testing::TestWithParam<BandCase> {};

TEST_P(HeavyVolley, LeavesOnlyStrictlyInsideTheBand) {
  const BandCase& c = GetParam();
  GameState s;
  s.tickCount = 5000;
  Heavy& h = s.heavies[kHeavy2];
  h.entered = 1;
  h.x = 150;
  h.y = c.y;
  runHeavyPhase(s);
  const i32 y = c.y + 1;
  // Heavy 2's bullets in its order: wide left, left, down, right, wide right.
  constexpr std::array<i32, kHeavyBulletCount> dx{-2, -1, 0, 1, 2};
  for (int b = 0; b < kHeavyBulletCount; ++b) {
    const Bullet& bullet = h.bullets[b];
    EXPECT_EQ(bullet.flying, c.launches ? 1 : 0) << "bullet " << b;
    EXPECT_EQ(bullet.x, c.launches ? 180 + dx[b] : 0) << "bullet " << b;
    EXPECT_EQ(bullet.y, c.launches ? y + 27 : -30) << "bullet " << b;
  }
}

INSTANTIATE_TEST_SUITE_P(Band, HeavyVolley,
                         testing::Values(BandCase{29, false}, BandCase{30, true},
                                         BandCase{118, true}, BandCase{119, false}));

TEST(HeavyVolley, HeavyOneFansOutInItsOwnOrder) {
  GameState s;
  s.tickCount = 5000;
  Heavy& h = s.heavies[kHeavy1];
  h.entered = 1;
  h.x = 550;
  h.y = 59;
  runHeavyPhase(s);
  // left, wide left, down, right, wide right
  constexpr std::array<i32, kHeavyBulletCount> x{579, 578, 580, 581, 582};
  for (int b = 0; b < kHeavyBulletCount; ++b) {
    EXPECT_EQ(h.bullets[b].x, x[b]) << "bullet " << b;
    EXPECT_EQ(h.bullets[b].y, 87) << "bullet " << b;
  }
}

TEST(HeavyVolley, RetiresAllTogetherAndTheNextLeavesOneTickLater) {
  GameState s;
  s.tickCount = 5000;
  Heavy& h = s.heavies[kHeavy2];
  h.entered = 1;
  h.x = 150;
  h.y = 30;
  runHeavyPhase(s);
  ASSERT_EQ(h.y, 31);
  ASSERT_EQ(h.bullets[0].y, 58);
  // A counter held mid-cycle keeps the heavy holding at y 31 in the band.
  for (int tick = 1; tick < 212; ++tick) {
    h.pauseCount = 50;
    runHeavyPhase(s);
  }
  for (const Bullet& b : h.bullets)
    EXPECT_EQ(b.flying, 1);
  h.pauseCount = 50;
  runHeavyPhase(s);  // 212 ticks after the launch
  for (const Bullet& b : h.bullets) {
    EXPECT_EQ(b.flying, 0);
    EXPECT_EQ(b.y, 482);
  }
  h.pauseCount = 50;
  runHeavyPhase(s);
  for (const Bullet& b : h.bullets) {
    EXPECT_EQ(b.flying, 1);
    EXPECT_EQ(b.y, 58);
  }
}

struct WrapCase {
  int heavy;
  i32 y;
  i32 tick;
  i32 yAfter;
  i32 hitCountAfter;
};
void PrintTo(const WrapCase& c, std::ostream* out) {
  *out << "heavy " << c.heavy + 1 << " y " << c.y << " at tick " << c.tick;
}

class HeavyWrap : public testing::TestWithParam<WrapCase> {};

TEST_P(HeavyWrap, ComesBackAboveTheFieldUntilTickFifteenThousand) {
  const WrapCase& c = GetParam();
  GameState s;
  s.tickCount = c.tick;
  Heavy& h = s.heavies[c.heavy];
  h.entered = 1;
  h.x = c.heavy == kHeavy1 ? 550 : 150;
  h.y = c.y;
  h.hitCount = 2;
  runHeavyPhase(s);
  EXPECT_EQ(h.y, c.yAfter);
  EXPECT_EQ(h.hitCount, c.hitCountAfter);
}

INSTANTIATE_TEST_SUITE_P(Limits, HeavyWrap,
                         testing::Values(WrapCase{kHeavy1, 1499, 14999, 1500, 2},
                                         WrapCase{kHeavy1, 1500, 14999, -200, 0},
                                         WrapCase{kHeavy1, 1500, 15000, 1501, 2},
                                         WrapCase{kHeavy2, 2799, 14999, 2800, 2},
                                         WrapCase{kHeavy2, 2800, 14999, -200, 0},
                                         WrapCase{kHeavy2, 1500, 14999, 1501, 2},
                                         WrapCase{kHeavy2, 2800, 15000, 2801, 2}));

TEST(HeavyWrap, SinksOnOutOfReachHoweverLong) {
  GameState s;
  s.tickCount = 15000;
  Heavy& h = s.heavies[kHeavy1];
  h.entered = 1;
  h.x = 550;
  h.y = 1501;
  for (int tick = 0; tick < 3'000'000; ++tick) {
    runHeavyPhase(s);
    ASSERT_GT(h.y, 470) << "after " << tick << " ticks";
  }
  // The y that some 2.1 billion ticks of sinking reach: still below.
  h.y = std::numeric_limits<i32>::max() - 1;
  runHeavyPhase(s);
  runHeavyPhase(s);
  EXPECT_GT(h.y, 470);
}

struct ContactCase {
  i32 dx;
  i32 dy;
  bool hits;
};
void PrintTo(const ContactCase& c, std::ostream* out) {
  *out << "dx " << c.dx << " dy " << c.dy;
}

class HeavyBodyContact : public testing::TestWithParam<ContactCase> {};

TEST_P(HeavyBodyContact, ReachesTwentyFiveLeftAndSixtyRight) {
  const ContactCase& c = GetParam();
  GameState s;  // tick 0: neither heavy enters or moves
  Heavy& h = s.heavies[kHeavy1];
  h.x = 300;
  h.y = 200;
  s.playerX = 300 + c.dx;
  s.playerY = 200 + c.dy;
  runHeavyPhase(s);
  EXPECT_EQ(h.bodySite.dying, c.hits ? 1 : 0);
  EXPECT_EQ(dyingSites(s), c.hits ? 1 : 0);
  if (c.hits) {
    EXPECT_EQ(h.bodySite.explosionX, 300 + c.dx);
    EXPECT_EQ(h.bodySite.explosionY, 200 + c.dy);
    EXPECT_EQ(h.bodySite.respawnTimer, 1);
    EXPECT_EQ(s.playerY, -30);
  } else {
    EXPECT_EQ(s.playerY, 200 + c.dy);
  }
}

INSTANTIATE_TEST_SUITE_P(Margins, HeavyBodyContact,
                         testing::Values(ContactCase{0, 0, true}, ContactCase{-25, 0, true},
                                         ContactCase{-26, 0, false}, ContactCase{60, 0, true},
                                         ContactCase{61, 0, false}, ContactCase{0, -25, true},
                                         ContactCase{0, -26, false}, ContactCase{0, 25, true},
                                         ContactCase{0, 26, false}, ContactCase{60, 25, true},
                                         ContactCase{-25, -25, true}, ContactCase{-26, 25, false}));

class HeavyBulletContact : public testing::TestWithParam<ContactCase> {};

TEST_P(HeavyBulletContact, ReachesFifteenLeftAndTwentyFiveRight) {
  const ContactCase& c = GetParam();
  GameState s;
  Bullet& b = s.heavies[kHeavy1].bullets[2];  // resting, so it stays put
  b.x = 300;
  b.y = 300;
  s.playerX = 300 + c.dx;
  s.playerY = 300 + c.dy;
  runHeavyPhase(s);
  EXPECT_EQ(b.site.dying, c.hits ? 1 : 0);
  EXPECT_EQ(dyingSites(s), c.hits ? 1 : 0);
  EXPECT_EQ(b.x, 300);  // a bullet that touches the ship flies on unchanged
}

INSTANTIATE_TEST_SUITE_P(Margins, HeavyBulletContact,
                         testing::Values(ContactCase{0, 0, true}, ContactCase{-15, 0, true},
                                         ContactCase{-16, 0, false}, ContactCase{25, 0, true},
                                         ContactCase{26, 0, false}, ContactCase{0, -15, true},
                                         ContactCase{0, -16, false}, ContactCase{0, 15, true},
                                         ContactCase{0, 16, false}, ContactCase{25, 15, true},
                                         ContactCase{-15, -15, true}, ContactCase{26, 15, false}));

// Each bullet answers for its own site, and only its own.
TEST(HeavyBulletContact, EveryBulletHitsThroughItsOwnSite) {
  for (int heavy = 0; heavy < kHeavyCount; ++heavy) {
    for (int bullet = 0; bullet < kHeavyBulletCount; ++bullet) {
      GameState s;
      Bullet& b = s.heavies[heavy].bullets[bullet];
      b.x = 400;
      b.y = 300;
      s.playerX = 425;
      s.playerY = 315;
      runHeavyPhase(s);
      EXPECT_EQ(b.site.dying, 1) << "heavy " << heavy + 1 << " bullet " << bullet;
      EXPECT_EQ(dyingSites(s), 1) << "heavy " << heavy + 1 << " bullet " << bullet;
    }
  }
}

struct ParkedCase {
  i32 playerX;
  int sitesHit;
};
void PrintTo(const ParkedCase& c, std::ostream* out) {
  *out << "ship x " << c.playerX;
}

class ParkedHeavies : public testing::TestWithParam<ParkedCase> {};

// Waiting heavies at (0, -50) and their resting bullets at (0, -30) lie just
// above the field, where a destroyed ship (y -30) lies too.
TEST_P(ParkedHeavies, TouchADestroyedShipNearTheLeftEdge) {
  const ParkedCase& c = GetParam();
  GameState s;
  s.tickCount = 500;
  s.playerX = c.playerX;
  s.playerY = -30;
  runHeavyPhase(s);
  EXPECT_EQ(dyingSites(s), c.sitesHit);
  const bool bodies = c.sitesHit >= 2;
  for (const Heavy& h : s.heavies) {
    EXPECT_EQ(h.bodySite.dying, bodies ? 1 : 0);
    if (bodies) {
      EXPECT_EQ(h.bodySite.explosionX, c.playerX);
      EXPECT_EQ(h.bodySite.explosionY, -30);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(ShipX, ParkedHeavies,
                         testing::Values(ParkedCase{61, 0}, ParkedCase{60, 2}, ParkedCase{26, 2},
                                         ParkedCase{25, 12}, ParkedCase{0, 12}, ParkedCase{-15, 12},
                                         ParkedCase{-16, 2}, ParkedCase{-25, 2},
                                         ParkedCase{-26, 0}));

}  // namespace
}  // namespace vantorix
