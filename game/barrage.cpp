#include "game/arithmetic.h"
#include "game/phases.h"
#include "game/rules.h"

namespace vantorix {

namespace {

// A latch that gates a trio B group and is set by the lead bullet of trio A.
enum class Latch { kNone, kRedTrioB, kFastRedTrioB };

struct Member {
  i32 dx;
  i32 dy;
  i32 firstHits;  // launched while bossHits lies in firstHits..lastHits
  i32 lastHits;
  i32 limit;       // stops flying once its y is past this
  Latch gatedBy;   // processed only while this latch is set
  Latch releases;  // sets this latch once past kReleaseY within its stage and on
};

constexpr i32 kReleaseY = 230;
constexpr i32 kFightingY = 60;
constexpr i32 kLaunchBelowBoss = 20;

using enum Latch;
constexpr Member kMembers[kBossBulletCount] = {
    {-2, 2, 0, 31, 480, kNone, kNone},            // redFanWideLeft
    {-1, 2, 0, 31, 480, kNone, kNone},            // redFanLeft
    {0, 2, 0, 31, 480, kNone, kNone},             // redFanDown
    {+1, 2, 0, 31, 480, kNone, kNone},            // redFanRight
    {+2, 2, 0, 31, 480, kNone, kNone},            // redFanWideRight
    {-1, 2, 32, 95, 480, kNone, kRedTrioB},       // redTrioALeft
    {0, 2, 32, 95, 480, kNone, kNone},            // redTrioADown
    {+1, 2, 32, 95, 480, kNone, kNone},           // redTrioARight
    {-1, 2, 32, 95, 480, kRedTrioB, kNone},       // redTrioBLeft
    {0, 2, 32, 95, 480, kRedTrioB, kNone},        // redTrioBDown
    {+1, 2, 32, 95, 480, kRedTrioB, kNone},       // redTrioBRight
    {-1, 3, 96, 125, 480, kNone, kFastRedTrioB},  // fastRedTrioALeft
    {0, 3, 96, 125, 480, kNone, kNone},           // fastRedTrioADown
    {+1, 3, 96, 125, 480, kNone, kNone},          // fastRedTrioARight
    {-1, 3, 96, 125, 480, kFastRedTrioB, kNone},  // fastRedTrioBLeft
    {0, 3, 96, 125, 480, kFastRedTrioB, kNone},   // fastRedTrioBDown
    {+1, 3, 96, 125, 480, kFastRedTrioB, kNone},  // fastRedTrioBRight
    {-2, 2, 0, 63, 600, kNone, kNone},            // blueFanWideLeft
    {-1, 2, 0, 63, 600, kNone, kNone},            // blueFanLeft
    {0, 2, 0, 63, 600, kNone, kNone},             // blueFanDown
    {+1, 2, 0, 63, 600, kNone, kNone},            // blueFanRight
    {+2, 2, 0, 63, 600, kNone, kNone},            // blueFanWideRight
    {-2, 3, 64, 125, 600, kNone, kNone},          // fastBlueFanWideLeft
    {-1, 3, 64, 125, 600, kNone, kNone},          // fastBlueFanLeft
    {0, 3, 64, 125, 600, kNone, kNone},           // fastBlueFanDown
    {+1, 3, 64, 125, 600, kNone, kNone},          // fastBlueFanRight
    {+2, 3, 64, 125, 600, kNone, kNone},          // fastBlueFanWideRight
};

i32& latch(GameState& s, Latch which) {
  return which == kRedTrioB ? s.redTrioBReleased : s.fastRedTrioBReleased;
}

void fly(GameState& s, Bullet& b, const Member& m) {
  if (s.bossHits >= m.firstHits && s.bossHits <= m.lastHits && b.flying == 0) {
    b.x = s.bossX;
    b.y = clampedSum(s.bossY, kLaunchBelowBoss);
    b.flying = 1;
  }
  if (b.flying == 1) {
    advance(b.x, m.dx);
    advance(b.y, m.dy);
  }
  // The latch has no upper bound on bossHits: once released, trio B stays so.
  if (m.releases != kNone && s.bossHits >= m.firstHits && b.y > kReleaseY) {
    latch(s, m.releases) = 1;
  }
  if (b.y > m.limit) b.flying = 0;
}

}  // namespace

void runBarragePhase(GameState& s) {
  if (s.bossY < kFightingY) return;
  for (int i = 0; i < kBossBulletCount; ++i) {
    const Member& m = kMembers[i];
    // Read in turn, so a trio B leaves in the very tick its latch is set.
    if (m.gatedBy != kNone && latch(s, m.gatedBy) != 1) continue;
    fly(s, s.bossBullets[i], m);
  }
}

void runBarrageHitPhase(GameState& s) {
  for (Bullet& b : s.bossBullets)
    testPlayerContact(s, b.x, b.y, kBulletMargins, b.site);
}

}  // namespace vantorix
