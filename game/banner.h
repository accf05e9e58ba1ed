// The WARNING banner: bright, medium and dark in turn, 50 ticks each, over
// and over while its window on the timeline lasts.
#pragma once

#include "game/game_state.h"

namespace vantorix {

// The values of bannerPhase.
enum BannerPhase : i32 { kBannerIdle, kBannerBright, kBannerMedium, kBannerDark };

inline constexpr i32 kBannerPhaseTicks = 50;  // a phase ends once its count is past this

void runBannerPhase(GameState& s);

}  // namespace vantorix
