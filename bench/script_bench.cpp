// The scripted whole game of the scenario tests, from the start command to the
// win box (27,859 ticks), read and run through the simulator's entry points without drawing.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tools/sim/null_stream.h"
#include "tools/sim/simulator.h"

namespace vantorix::bench {
namespace {

void BM_ScriptedGameWon(benchmark::State& run) {
  std::ifstream file(VANTORIX_WON_GAME_SCRIPT);
  std::stringstream text;
  text << file.rdbuf();
  const std::string script = text.str();
  if (script.empty()) run.SkipWithError("cannot read " VANTORIX_WON_GAME_SCRIPT);
  sim::NullStream out;
  for (auto _ : run) {
    sim::Simulator simulator(out);
    std::istringstream in(script);
    if (simulator.run(in, out) != 0) run.SkipWithError("the scripted game did not run to its end");
  }
}

BENCHMARK(BM_ScriptedGameWon)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantorix::bench
