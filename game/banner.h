// The WARNING banner: bright, medium and dark in turn, 50 ticks each, over
// and over while its window on the timeline lasts.
#pragma once

#include "game/game_state.h"

namespace vantorix {

// bannerPhase
inline constexpr i32 kBannerIdle = 0;
inline constexpr i32 kBannerBright = 1;
inline constexpr i32 kBannerMedium = 2;
inline constexpr i32 kBannerDark = 3;
inline constexpr i32 kBannerPhaseTicks = 50;  // a phase ends once its count is past this

void runBannerPhase(GameState& s);

}  // namespace vantorix
