#include "game/arithmetic.h"
#include "game/phases.h"
#include "game/rules.h"
#include "game/timeline.h"

namespace vantorix {

namespace {

struct HeavyRoute {
  i32 entryTick;  // enters once tickCount is past it
  i32 entryX;
  i32 wrapY;  // comes back above the field once sunk past it
  i32 bulletDx[kHeavyBulletCount];
};

constexpr HeavyRoute kRoutes[kHeavyCount] = {
    {kHeavy1EntryTick, 550, 1500, {-1, -2, 0, +1, +2}},
    {kHeavy2EntryTick, 150, 2800, {-2, -1, 0, +1, +2}},
};

constexpr i32 kEntryY = -50;
constexpr i32 kWrappedY = -200;
constexpr i32 kBulletDy = 2;
constexpr i32 kHoldAfter = 10;    // ticks of movement in the band before a hold
constexpr i32 kCycleTicks = 100;  // one move-and-hold cycle of the pause counter

// The upper band in which a heavy holds and fires; both bounds exclusive.
constexpr bool inBand(i32 y) {
  return y > 30 && y < 120;
}

void move(GameState& s, Heavy& h, const HeavyRoute& route) {
  if (s.tickCount > route.entryTick && h.entered == 0) {
    h.x = route.entryX;
    h.y = kEntryY;
    h.entered = 1;
  }
  if (h.entered == 1) advance(h.y, 1);
  if (inBand(h.y)) advance(h.pauseCount, 1);
  if (h.pauseCount > kHoldAfter) advance(h.y, -1);
  if (h.pauseCount > kCycleTicks) h.pauseCount = 0;
  if (h.y > route.wrapY && s.tickCount < kReturnsEndTick) {
    h.y = kWrappedY;
    h.hitCount = 0;
  } else if (h.y > kFarBelowField) {
    h.y = kFarBelowField;
  }
}

void flyBullets(Heavy& h, const HeavyRoute& route) {
  for (int i = 0; i < kHeavyBulletCount; ++i) {
    Bullet& b = h.bullets[i];
    if (inBand(h.y) && b.flying == 0) {
      b.x = clampedSum(h.x, 30);
      b.y = h.y + 25;
      b.flying = 1;
    }
    if (b.flying == 1) {
      advance(b.x, route.bulletDx[i]);
      advance(b.y, kBulletDy);
    }
    if (b.y > kFieldBottom) b.flying = 0;
  }
}

void testContacts(GameState& s, Heavy& h) {
  testPlayerContact(s, h.x, h.y, kHeavyBodyMargins, h.bodySite);
  for (Bullet& b : h.bullets)
    testPlayerContact(s, b.x, b.y, kBulletMargins, b.site);
}

}  // namespace

void runHeavyPhase(GameState& s) {
  for (int i = 0; i < kHeavyCount; ++i) {
    Heavy& h = s.heavies[i];
    move(s, h, kRoutes[i]);
    flyBullets(h, kRoutes[i]);
    testContacts(s, h);
  }
}

}  // namespace vantorix
