// Lens speed: one 600 × 600 circular lens of every kind composited over an 1800 × 1500
// canvas with a busy picture, as the view does at every paint (the canvas is restored
// from a copy outside the timing). Items processed are lens pixels.
//
//   build-bench/bench/lens_bench [--benchmark_filter=Flare]
//
// BM_Lens/20 redraws the flare layer each time (a flare being moved or edited);
// BM_FlareReused composites a flare whose layer stands.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "base/app_context.h"
#include "base/dib_section.h"
#include "document/draw_object.h"
#include "render/compositor.h"

using namespace tessel;

namespace {

constexpr int kCanvasW = 1800;
constexpr int kCanvasH = 1500;
constexpr int kLensSize = 600;

// Checkers, stripes and a gradient: something for a lens to bend.
const CDIBSection& Busy() {
  static const CDIBSection canvas = [] {
    CDIBSection c;
    c.Create(kCanvasW, kCanvasH, 32);
    for (int y = 0; y < kCanvasH; ++y) {
      uint8_t* p = c.RowFromTop(y);
      for (int x = 0; x < kCanvasW; ++x, p += 4) {
        const bool check = ((x / 40) + (y / 40)) % 2 == 0;
        p[0] = uint8_t(check ? 230 : x * 255 / kCanvasW);
        p[1] = uint8_t((x + y) / 7 % 2 ? 200 : 40);
        p[2] = uint8_t(check ? 30 : y * 255 / kCanvasH);
        p[3] = 255;
      }
    }
    return c;
  }();
  return canvas;
}

void SetUpLens(CDrawObject& o, int effect) {
  o.m_effect = effect;
  o.m_effectParam1 = 12;
  o.SetEffectDistance(4.0);
  o.m_effectParam2 = 180;
  o.m_bevelType = 1;  // a bevelled rim, so the finishing pass runs too
  o.CreateCircle(600, 450, 600 + kLensSize, 450 + kLensSize);
}

void BM_Lens(benchmark::State& state) {
  CAppContext app;
  CDrawObject o;
  SetUpLens(o, int(state.range(0)));
  CompositeOptions options;
  options.background = 0xFFFFFF;
  CDIBSection canvas;
  for (auto _ : state) {
    state.PauseTiming();
    canvas = Busy().Clone();
    o.m_flareRebuild = 1;
    state.ResumeTiming();
    DrawObject(canvas, o, options);
    benchmark::DoNotOptimize(canvas.Bits());
  }
  state.SetItemsProcessed(state.iterations() * int64_t(o.m_width) * o.m_height);
}
BENCHMARK(BM_Lens)->DenseRange(11, 20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FlareReused(benchmark::State& state) {
  CAppContext app;
  CDrawObject o;
  SetUpLens(o, kEffectLensFlare);
  CDIBSection canvas = Busy().Clone();
  DrawObject(canvas, o, {});
  for (auto _ : state) {
    state.PauseTiming();
    canvas = Busy().Clone();
    state.ResumeTiming();
    DrawObject(canvas, o, {});
    benchmark::DoNotOptimize(canvas.Bits());
  }
  state.SetItemsProcessed(state.iterations() * int64_t(kCanvasW) * kCanvasH);
}
BENCHMARK(BM_FlareReused)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
