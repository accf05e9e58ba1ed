// The cost of one tick in three situations taken from real play.
#include <benchmark/benchmark.h>

#include "bench/autopilot.h"
#include "game/tick.h"

namespace vantorix::bench {
namespace {

// Ticks on from a snapshot, going back to it every so often so that the
// situation measured stays the same.
void tickFrom(benchmark::State& run, const GameState& snapshot) {
  constexpr int kTicksPerSnapshot = 128;
  GameState s = snapshot;
  int sinceSnapshot = 0;
  for (auto _ : run) {
    benchmark::DoNotOptimize(runWorldTick(s));
    if (++sinceSnapshot == kTicksPerSnapshot) {
      s = snapshot;
      sinceSnapshot = 0;
    }
  }
  run.SetItemsProcessed(run.iterations());
}

void BM_TickFightersAlone(benchmark::State& run) {
  static const GameState snapshot =
      playUntil([](const GameState& s) { return s.tickCount >= 300; });
  tickFrom(run, snapshot);
}

void BM_TickBothHeaviesFiring(benchmark::State& run) {
  static const GameState snapshot = playUntil([](const GameState& s) {
    return s.tickCount >= 3100 && s.heavies[0].bullets[0].flying == 1 &&
           s.heavies[1].bullets[0].flying == 1;
  });
  tickFrom(run, snapshot);
}

void BM_TickBossAtItsBusiest(benchmark::State& run) {
  static const GameState snapshot = playUntil([](const GameState& s) {
    const auto& b = s.bossBullets;
    return s.bossHits >= 96 && b[11].flying == 1 && b[14].flying == 1 && b[22].flying == 1;
  });
  if (snapshot.bossHits < 96) run.SkipWithError("the autopilot never reached the last stage");
  tickFrom(run, snapshot);
}

BENCHMARK(BM_TickFightersAlone);
BENCHMARK(BM_TickBothHeaviesFiring);
BENCHMARK(BM_TickBossAtItsBusiest);

}  // namespace
}  // namespace vantorix::bench
