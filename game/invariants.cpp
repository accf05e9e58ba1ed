#include "game/invariants.h"

#include "game/field_table.h"
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

bool bulletInRange(const Bullet& b) {
  return within(b.x, -kBulletReach, 763 + kBulletReach) && within(b.y, -50, 603) &&
         isFlag(b.flying);
}

bool siteInRange(const HitSite& site) {
  return isFlag(site.dying) && within(site.respawnTimer, 0, 100);
}

const char* brokenAlone(const GameState& s) {
  if (!within(s.tickCount, 0, 2147483647)) return "tickCount below 0";
  if (!isFlag(s.shotArmed) || !isFlag(s.shotQueued)) return "shot flag not 0 or 1";
  if (!isFlag(s.lostFirstLife) || !isFlag(s.lostSecondLife)) return "lives flag not 0 or 1";
  if (s.gameOverMark != 0 && s.gameOverMark != -30) return "gameOverMark not 0 or -30";
  if (!within(s.playerX, 0, 735) || s.playerX % 5 != 0) return "playerX off its grid";
  if (!within(s.playerY, -30, 445) || s.playerY % 5 != 0) return "playerY off its grid";
  if (!within(s.shotX, -100, 735) || !within(s.shotY, kShotCeiling, 415)) {
    return "shot out of range";
  }
  for (const Fighter& f : s.fighters) {
    if (!within(f.x, 4, 721) || !isFlag(f.leftward)) return "fighter off its sweep";
    if (!within(f.y, -200, kFarBelowField)) return "fighter y out of range";
    if (!isFlag(f.exploding) || !within(f.explosionTimer, 0, 100)) return "fighter explosion timer";
    if (!siteInRange(f.bodySite)) return "fighter body site";
    for (const Bullet& b : f.bullets) {
      if (!bulletInRange(b) || !siteInRange(b.site)) return "red bullet out of range";
    }
  }
  for (const Heavy& h : s.heavies) {
    if (!within(h.y, -200, kFarBelowField) || !isFlag(h.entered)) return "heavy y out of range";
    if (!within(h.pauseCount, 0, 100)) return "heavy pause counter";
    if (!isFlag(h.flashing) || !within(h.flashTimer, 0, 70)) return "heavy flash timer";
    if (!within(h.hitCount, 0, 4)) return "heavy hit count";
    if (!siteInRange(h.bodySite)) return "heavy body site";
    for (const Bullet& b : h.bullets) {
      if (!bulletInRange(b) || !siteInRange(b.site)) return "blue bullet out of range";
    }
  }
  if (!within(s.bannerPhase, 0, 3)) return "bannerPhase out of 0..3";
  if (!within(s.brightTicks, 0, 50) || !within(s.mediumTicks, 0, 50) ||
      !within(s.darkTicks, 0, 50)) {
    return "banner counter";
  }
  if (!isFlag(s.bossEntered) || !isFlag(s.bossArrived) || !isFlag(s.bossHeadingLeft)) {
    return "boss flag not 0 or 1";
  }
  if (s.bossY > 61) return "bossY above 61";
  if (s.bossY >= 60 && !within(s.bossX, 264, 485)) return "bossX off its sweep";
  if (!siteInRange(s.bossBodySite)) return "boss body site";
  for (const Bullet& b : s.bossBullets) {
    if (!bulletInRange(b) || !siteInRange(b.site)) return "boss bullet out of range";
  }
  if (!isFlag(s.redTrioBReleased) || !isFlag(s.fastRedTrioBReleased)) return "latch not 0 or 1";
  if (!within(s.bossHits, 0, kNotchCount)) return "bossHits out of 0..126";
  for (i32 ready : s.notchReady) {
    if (!isFlag(ready)) return "notchReady not 0 or 1";
  }
  if (!isFlag(s.bossFlashActive) || !within(s.bossFlashTimer, 0, 40)) return "boss flash timer";
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
