#include "game/boss_health.h"

#include "game/rules.h"
#include "game/timed_sprite.h"

namespace vantorix {

namespace {

constexpr Margins kShotOnBoss{25, 25, 25, 25};
constexpr Point kFlashParked{0, -100};
constexpr i32 kNotchY = 16;
constexpr i32 kBarRightEdge = 578;
constexpr i32 kLastNotchX = 201;  // the 126th overlaps the 125th by one column

constexpr i32 notchX(int n) {
  return n == kNotchCount ? kLastNotchX : kBarRightEdge - 3 * n;
}

bool shotOnBoss(const GameState& s) {
  return inBox(s.shotX, s.shotY, s.bossX, s.bossY, kShotOnBoss);
}

// Notch 1 needs no flash before it; notch n+1 needs the flash after notch n to
// have ended. Only the row for the current bossHits can hold, so it is the one
// looked at.
void layNextNotch(GameState& s) {
  const i32 laid = s.bossHits;
  const bool ready =
      laid == 0 || (laid >= 1 && laid <= kNotchReadyCount && s.notchReady[laid - 1] == 1);
  if (!ready) return;
  const int n = laid + 1;
  s.notches[n - 1] = {notchX(n), kNotchY};
  s.bossHits = n;
}

}  // namespace

bool runBossHealthStep(GameState& s) {
  if (s.bossArrived == 1 && shotOnBoss(s)) {
    s.bossFlashX = s.bossX;
    s.bossFlashY = s.bossY;
    layNextNotch(s);
    s.bossFlashActive = 1;
  }
  if (s.bossFlashActive == 1) s.bossFlashX = s.bossX;  // the flash follows the sweep
  if (timedSpriteEnds(s.bossFlashActive, s.bossFlashTimer, kBossFlashTicks)) {
    park(s.bossFlashX, s.bossFlashY, kFlashParked);
    if (s.bossHits >= 1 && s.bossHits <= kNotchReadyCount) s.notchReady[s.bossHits - 1] = 1;
  }
  if (s.bossHits == kNotchCount && shotOnBoss(s)) {
    s.defeatExplosionX = s.bossX;
    s.defeatExplosionY = s.bossY;
    return true;
  }
  return false;
}

}  // namespace vantorix
