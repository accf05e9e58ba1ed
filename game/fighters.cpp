#include "game/fighters.h"

#include "game/arithmetic.h"
#include "game/bullets.h"
#include "game/field.h"
#include "game/rules.h"
#include "game/timeline.h"

namespace vantorix {

namespace {

constexpr i32 kWrapY = -30;  // where a fighter that passed the bottom comes back
constexpr std::array<i32, kFighterBulletCount> kBulletDx{-1, +1, 0};  // left, right, down
constexpr i32 kBulletDy = 2;
constexpr i32 kLaunchBelowFighter = 20;

// The band near the top in which a fighter releases its waiting bullets.
constexpr bool inLaunchBand(i32 y) {
  return y > 10 && y < 20;
}

void sweep(Fighter& f) {
  if (f.leftward == 0) advance(f.x, 1);
  if (f.x > kFighterRightTurnX) f.leftward = 1;
  if (f.leftward == 1) advance(f.x, -1);
  if (f.x < kFighterLeftTurnX) f.leftward = 0;
}

void sink(const GameState& s, Fighter& f) {
  advance(f.y, 1);
  comeBackOrRest(f.y, kFieldBottom, kWrapY, s.tickCount);
}

// The body's site, then each bullet's.
void testContacts(GameState& s, Fighter& f) {
  testPlayerContact(s, f.x, f.y, kFighterBodyMargins, f.bodySite);
  for (Bullet& b : f.bullets)
    testPlayerContact(s, b.x, b.y, kBulletMargins, b.site);
}

}  // namespace

void runFighterPhase(GameState& s) {
  for (Fighter& f : s.fighters) {
    sweep(f);
    sink(s, f);
    const auto launch = [&f] { return Point{f.x, f.y + kLaunchBelowFighter}; };
    flyVolley(f.bullets, inLaunchBand(f.y), launch, kBulletDx, kBulletDy, kFieldBottom);
    testContacts(s, f);
  }
}

}  // namespace vantorix
