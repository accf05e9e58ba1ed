#include "game/heavies.h"

#include "game/arithmetic.h"
#include "game/bullets.h"
#include "game/field.h"
#include "game/rules.h"
#include "game/timeline.h"

namespace vantorix {

namespace {

struct HeavyRoute {
  i32 entryTick;  // enters once tickCount is past it
  i32 entryX;
  i32 wrapY;  // comes back above the field once sunk past it
  std::array<i32, kHeavyBulletCount> bulletDx;
};

constexpr HeavyRoute kRoutes[kHeavyCount] = {
    {kHeavy1EntryTick, 550, 1500, {-1, -2, 0, +1, +2}},
    {kHeavy2EntryTick, 150, 2800, {-2, -1, 0, +1, +2}},
};

constexpr i32 kEntryY = -50;
constexpr i32 kBulletDy = 2;
constexpr i32 kHoldAfter = 10;  // ticks of movement in the band before a hold
constexpr Point kLaunchOffset{30, 25};

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
  if (h.pauseCount > kHeavyPauseCycle) h.pauseCount = 0;
  if (comeBackOrRest(h.y, route.wrapY, kHeavyWrappedY, s.tickCount)) h.hitCount = 0;
}

// The body's site, then each bullet's.
void testContacts(GameState& s, Heavy& h) {
  testPlayerContact(s, h.x, h.y, kHeavyBodyMargins, h.bodySite);
  for (Bullet& b : h.bullets)
    testPlayerContact(s, b.x, b.y, kBulletMargins, b.site);
}

}  // namespace

void runHeavyPhase(GameState& s) {
  for (int i = 0; i < kHeavyCount; ++i) {
    Heavy& h = s.heavies[i];
    const HeavyRoute& route = kRoutes[i];
    move(s, h, route);
    const auto launch = [&h] {
      return Point{clampedSum(h.x, kLaunchOffset.x), h.y + kLaunchOffset.y};
    };
    flyVolley(h.bullets, inBand(h.y), launch, route.bulletDx, kBulletDy, kFieldBottom);
    testContacts(s, h);
  }
}

}  // namespace vantorix
