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
  if (f.y > kFieldBottom && s.tickCount < kReturnsEndTick) {
    f.y = kWrapY;
  } else if (f.y > kFarBelowField) {
    f.y = kFarBelowField;
  }
}

}  // namespace

void runFighterPhase(GameState& s) {
  for (Fighter& f : s.fighters) {
    sweep(f);
    sink(s, f);
    flyVolley(f.bullets, inLaunchBand(f.y), {f.x, clampedSum(f.y, kLaunchBelowFighter)}, kBulletDx,
              kBulletDy, kFieldBottom);
    testShooterContacts(s, f, kFighterBodyMargins);
  }
}

}  // namespace vantorix
