#include "game/shot.h"

#include "game/arithmetic.h"
#include "game/field.h"
#include "game/rules.h"
#include "game/timed_sprite.h"
#include "game/timeline.h"

namespace vantorix {

namespace {

constexpr Margins kShotOnFighter{20, 20, 20, 20};  // the fighter's position around the shot
constexpr i32 kKnockedBackY = -100;
constexpr i32 kDestroyedY = 500;
constexpr Point kDestructionOffset{25, 10};  // the explosion on the heavy's face
constexpr Point kHeavyFlashParked{10, -100};
constexpr Point kHeavyExplosionParked{0, -30};

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
  if (timedSpriteEnds(f.exploding, f.explosionTimer, kFighterExplosionTicks)) {
    park(f.explosionX, f.explosionY, kExplosionParked);
  }
}

void hitHeavy(GameState& s, Heavy& h) {
  if (inBox(s.shotX, s.shotY, h.x, h.y, kHeavyBodyMargins)) {
    s.heavyFlashX = h.x;
    s.heavyFlashY = h.y;
    h.flashing = 1;
    if (h.hitCount > kCyclesBeforeDestruction) {
      h.explosionX = clampedSum(h.x, kDestructionOffset.x);
      h.explosionY = clampedSum(h.y, kDestructionOffset.y);
      h.y = kDestroyedY;
      h.hitCount = 0;
    }
  }
  if (h.flashing == 1) s.heavyFlashY = h.y;  // the flash follows the heavy's y
  if (timedSpriteEnds(h.flashing, h.flashTimer, kHeavyFlashTicks)) {
    park(s.heavyFlashX, s.heavyFlashY, kHeavyFlashParked);
    park(h.explosionX, h.explosionY, kHeavyExplosionParked);
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
