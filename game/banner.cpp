#include "game/arithmetic.h"
#include "game/phases.h"
#include "game/timeline.h"

namespace vantorix {

namespace {

constexpr i32 kIdle = 0;
constexpr i32 kBright = 1;
constexpr i32 kMedium = 2;
constexpr i32 kDark = 3;
constexpr i32 kPhaseTicks = 50;  // a phase ends once its count is past this
constexpr i32 kShownX = 250;
constexpr i32 kShownY = 200;

}  // namespace

void runBannerPhase(GameState& s) {
  const bool inWindow = s.tickCount > kBannerStartTick && s.tickCount < kBossEntryTick;

  if (inWindow && s.bannerPhase == kIdle) {
    s.brightBannerX = kShownX;
    s.brightBannerY = kShownY;
    s.bannerPhase = kBright;
  }
  if (s.bannerPhase == kBright) advance(s.brightTicks, 1);
  if (s.brightTicks > kPhaseTicks) {
    s.bannerPhase = kMedium;
    s.brightTicks = 0;
  }

  if (inWindow && s.bannerPhase == kMedium) {
    s.mediumBannerX = kShownX;
    s.mediumBannerY = kShownY;
  }
  if (s.bannerPhase == kMedium) advance(s.mediumTicks, 1);
  if (s.mediumTicks > kPhaseTicks) {
    s.bannerPhase = kDark;
    s.mediumTicks = 0;
  }

  if (inWindow && s.bannerPhase == kDark) {
    s.darkBannerX = kShownX;
    s.darkBannerY = kShownY;
  }
  if (s.bannerPhase == kDark) advance(s.darkTicks, 1);
  if (s.darkTicks > kPhaseTicks) {
    if (s.tickCount < kBossEntryTick) s.bannerPhase = kIdle;
    s.darkTicks = 0;
  }
}

}  // namespace vantorix
