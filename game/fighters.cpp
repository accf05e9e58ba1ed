#include "game/arithmetic.h"
#include "game/phases.h"
#include "game/rules.h"
#include "game/timeline.h"

namespace vantorix {

namespace {

constexpr i32 kRightTurnX = 720;  // turns left once past this
constexpr i32 kLeftTurnX = 5;     // turns right once below this
constexpr i32 kWrapY = -30;       // where a fighter that passed the bottom comes back
constexpr i32 kBulletDx[kFighterBulletCount] = {-1, +1, 0};  // left, right, down
constexpr i32 kBulletDy = 2;

// The band near the top in which a fighter releases its waiting bullets.
constexpr bool inLaunchBand(i32 y) {
  return y > 10 && y < 20;
}

void sweep(Fighter& f) {
  if (f.leftward == 0) advance(f.x, 1);
  if (f.x > kRightTurnX) f.leftward = 1;
  if (f.leftward == 1) advance(f.x, -1);
  if (f.x < kLeftTurnX) f.leftward = 0;
}

void sink(const GameState& s, Fighter& f) {
  advance(f.y, 1);
  if (f.y > kFieldBottom && s.tickCount < kReturnsEndTick) {
    f.y = kWrapY;
  } else if (f.y > kFarBelowField) {
    f.y = kFarBelowField;
  }
}

void flyBullets(Fighter& f) {
  for (int i = 0; i < kFighterBulletCount; ++i) {
    Bullet& b = f.bullets[i];
    if (inLaunchBand(f.y) && b.flying == 0) {
      b.x = f.x;
      b.y = f.y + 20;
      b.flying = 1;
    }
    if (b.flying == 1) {
      advance(b.x, kBulletDx[i]);
      advance(b.y, kBulletDy);
    }
    if (b.y > kFieldBottom) b.flying = 0;
  }
}

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
    flyBullets(f);
    testContacts(s, f);
  }
}

}  // namespace vantorix
