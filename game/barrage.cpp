#include "game/barrage.h"

#include <array>

#include "game/arithmetic.h"
#include "game/boss.h"
#include "game/bullets.h"
#include "game/rules.h"

namespace vantorix {

namespace {

// A latch that gates a trio B group and is set by the lead bullet of trio A.
enum class Latch { kNone, kRedTrioB, kFastRedTrioB };

// A group of boss bullets, members in a row of the bullet table, with the
// constants they share: launched while bossHits lies in firstHits..lastHits,
// stopped once past the limit.
struct Group {
  int members;
  std::array<i32, 5> dx;  // each member's sideways step, in processing order
  i32 dy;
  i32 firstHits;
  i32 lastHits;
  i32 limit;
  Latch gatedBy;       // processed only while this latch is set
  Latch leadReleases;  // its first member sets this latch once past kReleaseY
};

constexpr i32 kReleaseY = 230;
constexpr i32 kLaunchBelowBoss = 20;
constexpr std::array<i32, 5> kFan{-2, -1, 0, +1, +2};
constexpr std::array<i32, 5> kTrio{-1, 0, +1};

using enum Latch;
constexpr Group kGroups[] = {
    {5, kFan, kSlowBulletDy, 0, 31, kRedBulletLimit, kNone, kNone},             // RedFan
    {3, kTrio, kSlowBulletDy, 32, 95, kRedBulletLimit, kNone, kRedTrioB},       // RedTrioA
    {3, kTrio, kSlowBulletDy, 32, 95, kRedBulletLimit, kRedTrioB, kNone},       // RedTrioB
    {3, kTrio, kFastBulletDy, 96, 125, kRedBulletLimit, kNone, kFastRedTrioB},  // FastRedTrioA
    {3, kTrio, kFastBulletDy, 96, 125, kRedBulletLimit, kFastRedTrioB, kNone},  // FastRedTrioB
    {5, kFan, kSlowBulletDy, 0, 63, kBlueBulletLimit, kNone, kNone},            // BlueFan
    {5, kFan, kFastBulletDy, 64, 125, kBlueBulletLimit, kNone, kNone},          // FastBlueFan
};

constexpr int memberCount() {
  int count = 0;
  for (const Group& g : kGroups)
    count += g.members;
  return count;
}
static_assert(memberCount() == kBossBulletCount, "every boss bullet belongs to one group");

i32& latch(GameState& s, Latch which) {
  return which == kRedTrioB ? s.redTrioBReleased : s.fastRedTrioBReleased;
}

void fly(GameState& s, Bullet& b, const Group& g, i32 dx, bool lead) {
  const bool fires = s.bossHits >= g.firstHits && s.bossHits <= g.lastHits;
  launchBullet(b, fires, {s.bossX, clampedSum(s.bossY, kLaunchBelowBoss)});
  moveBullet(b, dx, g.dy);
  // The latch has no upper bound on bossHits: once released, trio B stays so.
  if (lead && g.leadReleases != kNone && s.bossHits >= g.firstHits && b.y > kReleaseY) {
    latch(s, g.leadReleases) = 1;
  }
  stopBulletPast(b, g.limit);
}

}  // namespace

void runBarragePhase(GameState& s) {
  if (s.bossY < kBossFightingY) return;
  int member = 0;
  for (const Group& g : kGroups) {
    // Read in turn, so a trio B leaves in the very tick its latch is set.
    const bool skipped = g.gatedBy != kNone && latch(s, g.gatedBy) != 1;
    for (int i = 0; i < g.members; ++i, ++member) {
      if (!skipped) fly(s, s.bossBullets[member], g, g.dx[i], i == 0);
    }
  }
}

void runBarrageHitPhase(GameState& s) {
  testBulletContacts(s, s.bossBullets);
}

}  // namespace vantorix
