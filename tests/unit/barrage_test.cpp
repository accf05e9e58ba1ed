// The boss's bullets: which groups fire at which damage, how they move, when
// they come back, the trio latches, and their hits on the ship.
#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

#include "game/field_table.h"
#include "game/game_state.h"
#include "game/phases.h"
#include "game/tick.h"
#include "tests/unit/test_states.h"

namespace vantorix {
namespace {

enum Group { kRedFan, kRedTrioA, kRedTrioB, kFastRedTrioA, kFastRedTrioB, kBlueFan, kFastBlueFan };

struct Member {
  Group group;
  i32 dx;
  i32 dy;
};

// The members in their processing order, each with its steps per tick.
constexpr std::array<Member, kBossBulletCount> kMembers{{
    {kRedFan, -2, 2},      {kRedFan, -1, 2},      {kRedFan, 0, 2},        {kRedFan, 1, 2},
    {kRedFan, 2, 2},       {kRedTrioA, -1, 2},    {kRedTrioA, 0, 2},      {kRedTrioA, 1, 2},
    {kRedTrioB, -1, 2},    {kRedTrioB, 0, 2},     {kRedTrioB, 1, 2},      {kFastRedTrioA, -1, 3},
    {kFastRedTrioA, 0, 3}, {kFastRedTrioA, 1, 3}, {kFastRedTrioB, -1, 3}, {kFastRedTrioB, 0, 3},
    {kFastRedTrioB, 1, 3}, {kBlueFan, -2, 2},     {kBlueFan, -1, 2},      {kBlueFan, 0, 2},
    {kBlueFan, 1, 2},      {kBlueFan, 2, 2},      {kFastBlueFan, -2, 3},  {kFastBlueFan, -1, 3},
    {kFastBlueFan, 0, 3},  {kFastBlueFan, 1, 3},  {kFastBlueFan, 2, 3},
}};

int memberIndex(std::string_view name) {
  for (int i = 0; i < kBossBulletCount; ++i) {
    if (kBossBulletNames[i] == name) return i;
  }
  ADD_FAILURE() << "no member " << name;
  return 0;
}

// The boss at rest at (x, 61) with some damage, its bullets all parked; the
// ship out of reach.
GameState restingBoss(i32 x, i32 hits) {
  GameState s = test::restingBoss(x);
  s.bossHits = hits;
  s.playerX = 0;
  s.playerY = 0;
  return s;
}

TEST(BarrageStages, TheDamageSelectsTheGroupsThatFire) {
  const struct {
    i32 hits;
    std::vector<Group> firing;
  } cases[] = {
      {0, {kRedFan, kBlueFan}},
      {31, {kRedFan, kBlueFan}},
      {32, {kRedTrioA, kRedTrioB, kBlueFan}},
      {63, {kRedTrioA, kRedTrioB, kBlueFan}},
      {64, {kRedTrioA, kRedTrioB, kFastBlueFan}},
      {95, {kRedTrioA, kRedTrioB, kFastBlueFan}},
      {96, {kFastRedTrioA, kFastRedTrioB, kFastBlueFan}},
      {125, {kFastRedTrioA, kFastRedTrioB, kFastBlueFan}},
  };
  for (const auto& c : cases) {
    GameState s = restingBoss(300, c.hits);
    s.redTrioBReleased = 1;
    s.fastRedTrioBReleased = 1;
    runBarragePhase(s);
    for (int i = 0; i < kBossBulletCount; ++i) {
      const Member& m = kMembers[i];
      const Bullet& b = s.bossBullets[i];
      bool fires = false;
      for (Group g : c.firing)
        fires = fires || g == m.group;
      SCOPED_TRACE(testing::Message() << "bossHits " << c.hits << ", " << kBossBulletNames[i]);
      EXPECT_EQ(b.flying, fires ? 1 : 0);
      // Launched from 20 below the boss's corner and moved in the same tick.
      EXPECT_EQ(b.x, fires ? 300 + m.dx : 0);
      EXPECT_EQ(b.y, fires ? 81 + m.dy : -50);
    }
  }
}

TEST(BarrageStages, TrioBWaitsForItsLatch) {
  for (i32 hits : {32, 96}) {
    GameState s = restingBoss(300, hits);
    runBarragePhase(s);
    for (std::string_view name : {"redTrioBLeft", "redTrioBDown", "redTrioBRight",
                                  "fastRedTrioBLeft", "fastRedTrioBDown", "fastRedTrioBRight"}) {
      const Bullet& b = s.bossBullets[memberIndex(name)];
      EXPECT_EQ(b.flying, 0) << name;
      EXPECT_EQ(b.y, -50) << name;
    }
  }
}

TEST(BarrageStages, NothingMovesBeforeTheBossReachesSixty) {
  GameState s = restingBoss(380, 0);
  s.bossY = 59;
  s.bossArrived = 0;
  s.bossBullets[memberIndex("redFanDown")] = {380, 200, 1, {}};
  runBarragePhase(s);
  EXPECT_EQ(s.bossBullets[memberIndex("redFanDown")].y, 200);
  EXPECT_EQ(s.bossBullets[memberIndex("blueFanDown")].y, -50);
  EXPECT_EQ(s.bossBullets[memberIndex("blueFanDown")].flying, 0);
}

TEST(BarrageCycles, EachGroupComesBackOnItsOwnCycle) {
  const struct {
    std::string_view member;
    i32 hits;
    i32 restY;  // where it stops below the field
    int cycle;  // ticks from one launch to the next
  } cases[] = {
      {"redFanDown", 0, 481, 200},        {"redFanWideLeft", 31, 481, 200},
      {"redTrioALeft", 32, 481, 200},     {"redTrioBRight", 95, 481, 200},
      {"fastRedTrioADown", 96, 483, 134}, {"fastRedTrioBLeft", 125, 483, 134},
      {"blueFanWideRight", 0, 601, 260},  {"blueFanDown", 63, 601, 260},
      {"fastBlueFanLeft", 64, 603, 174},  {"fastBlueFanWideRight", 125, 603, 174},
  };
  for (const auto& c : cases) {
    GameState s = restingBoss(300, c.hits);
    s.redTrioBReleased = 1;
    s.fastRedTrioBReleased = 1;
    const int i = memberIndex(c.member);
    std::vector<int> launches;
    i32 lastRestY = 0;
    int wasFlying = 0;
    for (int tick = 1; tick <= 1000; ++tick) {
      runBarragePhase(s);
      const Bullet& b = s.bossBullets[i];
      if (b.flying == 1 && wasFlying == 0) launches.push_back(tick);
      if (b.flying == 0) lastRestY = b.y;
      wasFlying = b.flying;
    }
    SCOPED_TRACE(c.member);
    ASSERT_GE(launches.size(), 3U);
    EXPECT_EQ(launches[0], 1);
    for (std::size_t k = 1; k < launches.size(); ++k)
      EXPECT_EQ(launches[k] - launches[k - 1], c.cycle);
    EXPECT_EQ(lastRestY, c.restY);
  }
}

TEST(BarrageCycles, SideMovingBulletsAreNotHeldAtTheEdges) {
  GameState s = restingBoss(264, 0);
  Bullet& wide = s.bossBullets[memberIndex("redFanWideLeft")];
  for (int tick = 1; tick <= 200; ++tick)
    runBarragePhase(s);
  EXPECT_EQ(wide.flying, 0);
  EXPECT_EQ(wide.x, -136);
  EXPECT_EQ(wide.y, 481);
}

TEST(BarrageLatches, TrioBLeavesInTheTickTrioAsLeadPasses230) {
  const struct {
    i32 hits;
    std::string_view lead;
    std::string_view follower;
    int offset;
  } cases[] = {
      {32, "redTrioALeft", "redTrioBLeft", 74},
      {96, "fastRedTrioALeft", "fastRedTrioBLeft", 49},
  };
  for (const auto& c : cases) {
    GameState s = restingBoss(300, c.hits);
    i32& latch = c.hits == 32 ? s.redTrioBReleased : s.fastRedTrioBReleased;
    const Bullet& lead = s.bossBullets[memberIndex(c.lead)];
    const Bullet& follower = s.bossBullets[memberIndex(c.follower)];
    SCOPED_TRACE(c.follower);
    for (int tick = 0; tick < c.offset; ++tick) {
      runBarragePhase(s);
      ASSERT_EQ(latch, 0) << tick;
      ASSERT_EQ(follower.flying, 0) << tick;
    }
    EXPECT_LE(lead.y, 230);
    runBarragePhase(s);
    EXPECT_EQ(lead.y, 231);
    EXPECT_EQ(latch, 1);
    EXPECT_EQ(follower.flying, 1);
    EXPECT_EQ(follower.y, c.hits == 32 ? 83 : 84);
    // The offset holds on the next cycles.
    std::vector<int> leadLaunches;
    std::vector<int> followerLaunches;
    int leadWas = 1;
    int followerWas = 1;
    for (int tick = 1; tick <= 700; ++tick) {
      runBarragePhase(s);
      if (lead.flying == 1 && leadWas == 0) leadLaunches.push_back(tick);
      if (follower.flying == 1 && followerWas == 0) followerLaunches.push_back(tick);
      leadWas = lead.flying;
      followerWas = follower.flying;
    }
    ASSERT_GE(followerLaunches.size(), 2U);
    for (std::size_t k = 0; k < followerLaunches.size() && k < leadLaunches.size(); ++k) {
      EXPECT_EQ(followerLaunches[k] - leadLaunches[k], c.offset);
    }
  }
}

TEST(BarrageLatches, HaveNoUpperBoundOnTheDamage) {
  // The 96th hit came while red trio A was still on its way down.
  GameState s = restingBoss(300, 96);
  s.bossBullets[memberIndex("redTrioALeft")] = {250, 229, 1, {}};
  runBarragePhase(s);
  EXPECT_EQ(s.bossBullets[memberIndex("redTrioALeft")].y, 231);
  EXPECT_EQ(s.redTrioBReleased, 1);
  // Its stage is over, so trio B, now released, still does not fire.
  EXPECT_EQ(s.bossBullets[memberIndex("redTrioBLeft")].flying, 0);
}

// Quiet field for whole ticks.
GameState fightInTicks(i32 hits) {
  GameState s = restingBoss(300, hits);
  test::clearTheField(s);
  return s;
}

TEST(BarrageStages, ANewStageFirstFiresInTheTickAfterTheHitThatStartsIt) {
  const struct {
    i32 hitsBefore;
    std::string_view newLead;
    i32 dy;
  } cases[] = {
      {31, "redTrioALeft", 2},
      {63, "fastBlueFanWideLeft", 3},
      {95, "fastRedTrioALeft", 3},
  };
  for (const auto& c : cases) {
    GameState s = fightInTicks(c.hitsBefore);
    s.notchReady[c.hitsBefore - 1] = 1;
    // The shot stands still in the boss's box (301, 61 after the sweep).
    s.shotX = 301;
    s.shotY = 61;
    runWorldTick(s);
    SCOPED_TRACE(c.newLead);
    const Bullet& lead = s.bossBullets[memberIndex(c.newLead)];
    ASSERT_EQ(s.bossHits, c.hitsBefore + 1);
    EXPECT_EQ(lead.flying, 0);
    EXPECT_EQ(lead.y, -50);
    runWorldTick(s);
    EXPECT_EQ(lead.flying, 1);
    EXPECT_EQ(lead.y, 81 + c.dy);
    EXPECT_EQ(s.bossHits, c.hitsBefore + 1);  // the flash absorbs the second tick
  }
}

TEST(BarrageHits, TheShipIsHitOnEveryMarginIncluded) {
  // A bullet's box reaches 15 left, 25 right, 15 up and 15 down.
  const struct {
    i32 px;
    i32 py;
    bool hit;
  } cases[] = {
      {285, 285, true},  {325, 315, true},  {284, 300, false},
      {326, 300, false}, {300, 284, false}, {300, 316, false},
  };
  for (const auto& c : cases) {
    GameState s = restingBoss(300, 0);
    s.bossBullets[memberIndex("blueFanDown")] = {300, 300, 1, {}};
    s.playerX = c.px;
    s.playerY = c.py;
    runBarrageHitPhase(s);
    const HitSite& site = s.bossBullets[memberIndex("blueFanDown")].site;
    SCOPED_TRACE(testing::Message() << c.px << "," << c.py);
    EXPECT_EQ(site.dying, c.hit ? 1 : 0);
    EXPECT_EQ(site.explosionX, c.hit ? c.px : 0);
    EXPECT_EQ(s.playerY, c.hit ? -30 : c.py);
  }
}

TEST(BarrageHits, RestingBulletsAndParkedOnesCannotHit) {
  GameState s = restingBoss(300, 0);
  s.bossBullets[memberIndex("redFanDown")] = {300, 481, 0, {}};
  s.playerX = 300;
  s.playerY = 445;  // as low as the ship goes
  runBarrageHitPhase(s);
  EXPECT_EQ(s.playerY, 445);
  s.playerX = 0;
  s.playerY = -30;  // a destroyed ship over the parked bullets at (0, -50)
  runBarrageHitPhase(s);
  for (const Bullet& b : s.bossBullets)
    EXPECT_EQ(b.site.dying, 0);
}

TEST(BarrageHits, AtMostOneBulletHitsInATick) {
  GameState s = restingBoss(300, 0);
  s.bossBullets[memberIndex("redFanRight")] = {200, 300, 1, {}};
  s.bossBullets[memberIndex("blueFanLeft")] = {200, 300, 1, {}};
  s.playerX = 200;
  s.playerY = 300;
  runBarrageHitPhase(s);
  EXPECT_EQ(s.bossBullets[memberIndex("redFanRight")].site.dying, 1);
  EXPECT_EQ(s.bossBullets[memberIndex("blueFanLeft")].site.dying, 0);
  EXPECT_EQ(s.lifeIcon1Y, -30);
}

}  // namespace
}  // namespace vantorix
