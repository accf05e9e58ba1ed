#include "game/invariants.h"

#include <limits>

#include "game/field.h"
#include "game/phases.h"
#include "game/rules.h"
#include "game/timeline.h"

namespace vantorix {

namespace {

constexpr bool isFlag(i32 v) {
  return v == 0 || v == 1;
}
constexpr bool within(i32 v, i32 low, i32 high) {
  return v >= low && v <= high;
}

// The furthest a bullet can travel from the field in one flight: a wide bullet
// moves 2 sideways per tick for at most 300 ticks.
constexpr i32 kBulletReach = 1000;
// No bullet waits higher than the boss's bullets before their first launch,
// and none falls further than one fast step past the lowest limit.
constexpr i32 kBulletTop = kStartState.bossBullets[0].y;
constexpr i32 kBulletBottom = kBlueBulletLimit + kFastBulletDy;
// No fighter is ever higher than the one that starts highest.
constexpr i32 kFighterTop = kStartState.fighters[kFighterCount - 1].y;

bool bulletInRange(const Bullet& b) {
  return within(b.x, -kBulletReach, kFieldRight + kBulletReach) &&
         within(b.y, kBulletTop, kBulletBottom) && isFlag(b.flying);
}

bool siteInRange(const HitSite& site) {
  return isFlag(site.dying) && within(site.respawnTimer, 0, kDyingTicks);
}

const char* brokenAlone(const GameState& s) {
  if (!within(s.tickCount, 0, std::numeric_limits<i32>::max())) return "tickCount below 0";
  if (!isFlag(s.shotArmed) || !isFlag(s.shotQueued)) return "shot flag not 0 or 1";
  if (!isFlag(s.lostFirstLife) || !isFlag(s.lostSecondLife)) return "lives flag not 0 or 1";
  if (s.gameOverMark != 0 && s.gameOverMark != kGameOverMark) return "gameOverMark not 0 or -30";
  if (!within(s.playerX, kShipLeftBound, kShipMaxX) || s.playerX % kShipStep != 0) {
    return "playerX off its grid";
  }
  if (!within(s.playerY, kShipGoneY, kShipMaxY) || s.playerY % kShipStep != 0) {
    return "playerY off its grid";
  }
  if (!within(s.shotX, kStartState.shotX, kShipMaxX) ||
      !within(s.shotY, kShotCeiling, kShipMaxY - kShotAboveShip)) {
    return "shot out of range";
  }
  for (const Fighter& f : s.fighters) {
    if (!within(f.x, kFighterLeftTurnX - 1, kFighterRightTurnX) || !isFlag(f.leftward)) {
      return "fighter off its sweep";
    }
    if (!within(f.y, kFighterTop, kFarBelowField)) return "fighter y out of range";
    if (!isFlag(f.exploding) || !within(f.explosionTimer, 0, kFighterExplosionTicks)) {
      return "fighter explosion timer";
    }
    if (!siteInRange(f.bodySite)) return "fighter body site";
    for (const Bullet& b : f.bullets) {
      if (!bulletInRange(b) || !siteInRange(b.site)) return "red bullet out of range";
    }
  }
  for (const Heavy& h : s.heavies) {
    if (!within(h.y, kHeavyWrappedY, kFarBelowField) || !isFlag(h.entered)) {
      return "heavy y out of range";
    }
    if (!within(h.pauseCount, 0, kHeavyPauseCycle)) return "heavy pause counter";
    if (!isFlag(h.flashing) || !within(h.flashTimer, 0, kHeavyFlashTicks)) {
      return "heavy flash timer";
    }
    if (!within(h.hitCount, 0, kCyclesBeforeDestruction + 1)) return "heavy hit count";
    if (!siteInRange(h.bodySite)) return "heavy body site";
    for (const Bullet& b : h.bullets) {
      if (!bulletInRange(b) || !siteInRange(b.site)) return "blue bullet out of range";
    }
  }
  if (!within(s.bannerPhase, kBannerIdle, kBannerDark)) return "bannerPhase out of 0..3";
  if (!within(s.brightTicks, 0, kBannerPhaseTicks) ||
      !within(s.mediumTicks, 0, kBannerPhaseTicks) || !within(s.darkTicks, 0, kBannerPhaseTicks)) {
    return "banner counter";
  }
  if (!isFlag(s.bossEntered) || !isFlag(s.bossArrived) || !isFlag(s.bossHeadingLeft)) {
    return "boss flag not 0 or 1";
  }
  if (s.bossY > kBossRestY) return "bossY above 61";
  if (s.bossY >= kBossFightingY && !within(s.bossX, kBossLeftTurnX - 1, kBossRightTurnX)) {
    return "bossX off its sweep";
  }
  if (!siteInRange(s.bossBodySite)) return "boss body site";
  for (const Bullet& b : s.bossBullets) {
    if (!bulletInRange(b) || !siteInRange(b.site)) return "boss bullet out of range";
  }
  if (!isFlag(s.redTrioBReleased) || !isFlag(s.fastRedTrioBReleased)) return "latch not 0 or 1";
  if (!within(s.bossHits, 0, kNotchCount)) return "bossHits out of 0..126";
  for (i32 ready : s.notchReady) {
    if (!isFlag(ready)) return "notchReady not 0 or 1";
  }
  if (!isFlag(s.bossFlashActive) || !within(s.bossFlashTimer, 0, kBossFlashTicks)) {
    return "boss flash timer";
  }
  return nullptr;
}

}  // namespace

const char* brokenInvariant(const GameState& before, const GameState& after) {
  if (const char* broken = brokenAlone(after)) return broken;
  if (after.tickCount < before.tickCount) return nullptr;  // a full reset
  if (after.bossY < before.bossY) return "bossY decreased";
  if (after.bossHits < before.bossHits) return "bossHits decreased";
  if (after.bossEntered < before.bossEntered || after.bossArrived < before.bossArrived) {
    return "boss entry undone";
  }
  return nullptr;
}

}  // namespace vantorix
