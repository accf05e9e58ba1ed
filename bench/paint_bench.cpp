// One paint of the running game into the pixel buffer: the erase, then the
// 247 copies of the draw list.
#include <benchmark/benchmark.h>

#include "bench/autopilot.h"
#include "render/paint.h"
#include "render/pixel_canvas.h"

namespace vantorix::bench {
namespace {

void BM_PaintFullDrawList(benchmark::State& run) {
  static const GameState snapshot = playUntil([](const GameState& s) { return s.bossHits >= 40; });
  PixelCanvas canvas;
  for (auto _ : run) {
    canvas.clear();
    paint(snapshot, canvas);
    benchmark::DoNotOptimize(canvas.bgr().data());
  }
}

BENCHMARK(BM_PaintFullDrawList)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantorix::bench
