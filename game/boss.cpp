#include "game/arithmetic.h"
#include "game/phases.h"
#include "game/rules.h"
#include "game/timeline.h"

namespace vantorix {

namespace {

constexpr i32 kEntryX = 380;
constexpr i32 kEntryY = -100;
constexpr i32 kFightingY = 60;  // descends while at or above it, so it rests at 61
constexpr i32 kBannerParkedX = 0;
constexpr i32 kBannerParkedY = -70;
constexpr i32 kHealthBarX = 200;
constexpr i32 kHealthBarY = 15;
// The sweep's turning points: it runs strictly between these.
constexpr i32 kSweepLeft = 260;
constexpr i32 kSweepRight = 490;
constexpr i32 kTurnLeftPast = 485;
constexpr i32 kTurnRightBelow = 265;

void enter(GameState& s) {
  if (s.tickCount > kBossEntryTick && s.bossEntered == 0) {
    s.brightBannerX = s.mediumBannerX = s.darkBannerX = kBannerParkedX;
    s.brightBannerY = s.mediumBannerY = s.darkBannerY = kBannerParkedY;
    s.bossX = kEntryX;
    s.bossY = kEntryY;
    s.bossEntered = 1;
  }
  if (s.bossEntered == 1 && s.bossY <= kFightingY) advance(s.bossY, 1);
  if (s.bossY >= kFightingY && s.bossArrived == 0) {
    s.healthBarX = kHealthBarX;
    s.healthBarY = kHealthBarY;
    s.bossArrived = 1;
  }
}

void sweep(GameState& s) {
  if (s.bossY < kFightingY) return;
  if (s.bossX > kSweepLeft && s.bossX < kSweepRight && s.bossHeadingLeft == 0) advance(s.bossX, 1);
  if (s.bossX > kTurnLeftPast) s.bossHeadingLeft = 1;
  if (s.bossX < kSweepRight && s.bossX > kSweepLeft && s.bossHeadingLeft == 1) advance(s.bossX, -1);
  if (s.bossX < kTurnRightBelow) s.bossHeadingLeft = 0;
}

}  // namespace

void runBossPhase(GameState& s) {
  enter(s);
  sweep(s);
  testPlayerContact(s, s.bossX, s.bossY, kBossBodyMargins, s.bossBodySite);
}

}  // namespace vantorix
