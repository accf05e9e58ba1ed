#include "game/boss.h"

#include "game/arithmetic.h"
#include "game/rules.h"
#include "game/timeline.h"

namespace vantorix {

namespace {

constexpr i32 kEntryX = 380;
constexpr i32 kEntryY = -100;
constexpr i32 kHealthBarX = 200;
constexpr i32 kHealthBarY = 15;
// The sweep moves only strictly between these.
constexpr i32 kSweepLeft = 260;
constexpr i32 kSweepRight = 490;

void enter(GameState& s) {
  if (s.tickCount > kBossEntryTick && s.bossEntered == 0) {
    // The banner goes back where it waited before the warning.
    s.brightBannerX = s.mediumBannerX = s.darkBannerX = kStartState.brightBannerX;
    s.brightBannerY = s.mediumBannerY = s.darkBannerY = kStartState.brightBannerY;
    s.bossX = kEntryX;
    s.bossY = kEntryY;
    s.bossEntered = 1;
  }
  if (s.bossEntered == 1 && s.bossY <= kBossFightingY) advance(s.bossY, 1);
  if (s.bossY >= kBossFightingY && s.bossArrived == 0) {
    s.healthBarX = kHealthBarX;
    s.healthBarY = kHealthBarY;
    s.bossArrived = 1;
  }
}

void sweep(GameState& s) {
  if (s.bossY < kBossFightingY) return;
  if (s.bossX > kSweepLeft && s.bossX < kSweepRight && s.bossHeadingLeft == 0) advance(s.bossX, 1);
  if (s.bossX > kBossRightTurnX) s.bossHeadingLeft = 1;
  if (s.bossX < kSweepRight && s.bossX > kSweepLeft && s.bossHeadingLeft == 1) advance(s.bossX, -1);
  if (s.bossX < kBossLeftTurnX) s.bossHeadingLeft = 0;
}

}  // namespace

void runBossPhase(GameState& s) {
  enter(s);
  sweep(s);
  testPlayerContact(s, s.bossX, s.bossY, kBossBodyMargins, s.bossBodySite);
}

}  // namespace vantorix
