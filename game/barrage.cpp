#include "game/barrage.h"

#include <array>
#include <cstddef>

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

// One bullet with its group's constants, in processing order.
struct Member {
  i32 dx;
  i32 dy;
  i32 firstHits;
  i32 lastHits;
  i32 limit;
  Latch gatedBy;
  Latch releases;
};

constexpr std::array<Member, kBossBulletCount> membersOf() {
  std::array<Member, kBossBulletCount> members{};
  std::size_t at = 0;
  for (const Group& g : kGroups) {
    for (int i = 0; i < g.members; ++i) {
      if (at == members.size()) throw "more bullets in the groups than the boss has";
      members[at++] = {
          g.dx[static_cast<std::size_t>(i)], g.dy, g.firstHits, g.lastHits, g.limit, g.gatedBy,
          i == 0 ? g.leadReleases : kNone};
    }
  }
  if (at != members.size()) throw "fewer bullets in the groups than the boss has";
  return members;
}

constexpr std::array<Member, kBossBulletCount> kMembers = membersOf();

i32& latch(GameState& s, Latch which) {
  return which == kRedTrioB ? s.redTrioBReleased : s.fastRedTrioBReleased;
}

void fly(GameState& s, Bullet& b, const Member& m) {
  const bool fires = s.bossHits >= m.firstHits && s.bossHits <= m.lastHits;
  launchBullet(b, fires, [&s] { return Point{s.bossX, clampedSum(s.bossY, kLaunchBelowBoss)}; });
  moveBullet(b, m.dx, m.dy);
  // The latch has no upper bound on bossHits: once released, trio B stays so.
  if (m.releases != kNone && s.bossHits >= m.firstHits && b.y > kReleaseY) {
    latch(s, m.releases) = 1;
  }
  stopBulletPast(b, m.limit);
}

}  // namespace

void runBarragePhase(GameState& s) {
  if (s.bossY < kBossFightingY) return;
  for (std::size_t i = 0; i < kMembers.size(); ++i) {
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
