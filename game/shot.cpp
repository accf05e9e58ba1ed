#include "game/arithmetic.h"
#include "game/phases.h"
#include "game/rules.h"
#include "game/timeline.h"

namespace vantorix {

namespace {

constexpr i32 kShotStep = 5;
constexpr i32 kRefireAboveY = -50;  // a queued shot is re-fired once above this
constexpr i32 kShotAboveShip = 30;
constexpr Margins kShotOnFighter{20, 20, 20, 20};  // the fighter's position around the shot
constexpr i32 kKnockedBackY = -100;
constexpr i32 kFighterExplosionTicks = 100;
constexpr i32 kFlashTicks = 70;
constexpr i32 kCyclesBeforeDestruction = 3;  // the hit after more cycles than this destroys
constexpr i32 kDestroyedY = 500;

void fly(GameState& s) {
  if (s.shotArmed == 1 || s.shotQueued == 1) {
    advance(s.shotY, -kShotStep);
    if (s.shotY < kShotCeiling) s.shotY = kShotCeiling;
  }
  if (s.shotY < kRefireAboveY && s.shotQueued == 1) {
    s.shotX = s.playerX;
    s.shotY = clampedSum(s.playerY, -kShotAboveShip);
    s.shotQueued = 0;
  }
}

void hitFighter(GameState& s, Fighter& f) {
  if (inBox(f.x, f.y, s.shotX, s.shotY, kShotOnFighter)) {
    f.explosionX = f.x;
    f.explosionY = f.y;
    f.y = kKnockedBackY;
    f.exploding = 1;
  }
  if (f.exploding == 1) advance(f.explosionTimer, 1);
  if (f.explosionTimer > kFighterExplosionTicks) {
    f.explosionX = 10;
    f.explosionY = -30;
    f.explosionTimer = 0;
    f.exploding = 0;
  }
}

void hitHeavy(GameState& s, Heavy& h) {
  if (inBox(s.shotX, s.shotY, h.x, h.y, kHeavyBodyMargins)) {
    s.heavyFlashX = h.x;
    s.heavyFlashY = h.y;
    h.flashing = 1;
    if (h.hitCount > kCyclesBeforeDestruction) {
      h.explosionX = clampedSum(h.x, 25);
      h.explosionY = clampedSum(h.y, 10);
      h.y = kDestroyedY;
      h.hitCount = 0;
    }
  }
  if (h.flashing == 1) {
    s.heavyFlashY = h.y;
    advance(h.flashTimer, 1);
  }
  if (h.flashTimer > kFlashTicks) {
    s.heavyFlashX = 10;
    s.heavyFlashY = -100;
    h.flashTimer = 0;
    h.flashing = 0;
    h.explosionX = 0;
    h.explosionY = -30;
    advance(h.hitCount, 1);
  }
}

}  // namespace

void runShotPhase(GameState& s) {
  fly(s);
  for (Fighter& f : s.fighters)
    hitFighter(s, f);
  for (Heavy& h : s.heavies)
    hitHeavy(s, h);
}

}  // namespace vantorix
