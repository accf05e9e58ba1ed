#include "game/banner.h"

#include "game/arithmetic.h"
#include "game/timeline.h"

namespace vantorix {

namespace {

constexpr Point kShown{250, 200};

// One brightness of the banner, with its own picture and tick count. Its
// picture is placed while the window lasts and the banner is in the phase it
// is placed from; the phase counts its ticks; once past kBannerPhaseTicks it
// hands over to the next phase.
struct Stage {
  BannerPhase placedFrom;
  BannerPhase phase;
  BannerPhase next;
  i32 GameState::*ticks;
  i32 GameState::*x;
  i32 GameState::*y;
};

constexpr Stage kStages[] = {
    {kBannerIdle, kBannerBright, kBannerMedium, &GameState::brightTicks, &GameState::brightBannerX,
     &GameState::brightBannerY},
    {kBannerMedium, kBannerMedium, kBannerDark, &GameState::mediumTicks, &GameState::mediumBannerX,
     &GameState::mediumBannerY},
    {kBannerDark, kBannerDark, kBannerIdle, &GameState::darkTicks, &GameState::darkBannerX,
     &GameState::darkBannerY},
};

void runStage(GameState& s, const Stage& stage, bool inWindow) {
  if (inWindow && s.bannerPhase == stage.placedFrom) {
    s.*stage.x = kShown.x;
    s.*stage.y = kShown.y;
    s.bannerPhase = stage.phase;
  }
  i32& ticks = s.*stage.ticks;
  if (s.bannerPhase == stage.phase) advance(ticks, 1);
  if (ticks > kBannerPhaseTicks) {
    // Back to idle, which starts the banner over, only until the boss's tick.
    if (stage.next != kBannerIdle || s.tickCount < kBossEntryTick) s.bannerPhase = stage.next;
    ticks = 0;
  }
}

}  // namespace

void runBannerPhase(GameState& s) {
  const bool inWindow = s.tickCount > kBannerStartTick && s.tickCount < kBossEntryTick;
  for (const Stage& stage : kStages)
    runStage(s, stage, inWindow);
}

}  // namespace vantorix
