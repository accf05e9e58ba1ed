#include "game/tick.h"

#include <limits>

#include "game/phases.h"

namespace vantorix {

WorldTickResult runWorldTick(GameState& s) {
  // After some 2147 million ticks the count rests at its top: every timeline
  // condition has long been decided by then.
  if (s.tickCount < std::numeric_limits<i32>::max()) ++s.tickCount;
  runFighterPhase(s);
  runHeavyPhase(s);
  runShotPhase(s);
  runBannerPhase(s);
  runBossPhase(s);
  runBarragePhase(s);
  runBarrageHitPhase(s);
  return {runBossHealthStep(s)};
}

}  // namespace vantorix
