#include "game/tick.h"

#include "game/arithmetic.h"
#include "game/phases.h"

namespace vantorix {

WorldTickResult runWorldTick(GameState& s) {
  // After some 2147 million ticks the count rests at its top: every timeline
  // condition has long been decided by then.
  advance(s.tickCount, 1);
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
