// A whole game through the game object's entry points, without drawing: the
// autopilot's game from the start command to the win.
#include <benchmark/benchmark.h>

#include "bench/autopilot.h"

namespace vantorix::bench {
namespace {

void BM_WholeGameToTheWin(benchmark::State& run) {
  i32 ticks = 0;
  for (auto _ : run) {
    QuietPlatform platform;
    Game game(platform);
    game.command(kCommandStart);
    ticks = 0;
    do {
      playOneTick(game);
      ++ticks;
    } while (game.state().tickCount != 0 && ticks < 400000);
  }
  run.counters["ticks"] = ticks;
}

BENCHMARK(BM_WholeGameToTheWin)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantorix::bench
