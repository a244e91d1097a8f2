// Speed of the edge steps of a render on an 1800 × 1500 object (a rounded rectangle):
// the outline bevel, the feather, the outline of each kind, the drop mask of the
// shadow effects at softness 20 (margin 40), and the whole render of a bevelled object
// with a drop shadow, the case a user re-renders after every edit.
//
//   build-bench/bench/edges_bench [--benchmark_filter=DropMask]
//
// The blurs run on several threads; the CPU column is the time of all threads of the
// process, which stays meaningful on a busy machine where the wall time does not.
#include <benchmark/benchmark.h>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "render/coverage_mask.h"
#include "render/drop_mask.h"
#include "render/edge_bevels.h"
#include "render/outline.h"

using namespace tessel;

namespace {

constexpr int kWidth = 1800;
constexpr int kHeight = 1500;

// The object rendered once without effects; its mask is rebuilt for the mask steps.
struct BigObject {
  CAppContext app;
  CDrawObject o;
  CCoverageMask mask;
  BigObject() {
    o.m_antiAlias = 1;
    o.m_color = 0x3060C0;
    o.m_effectSoftness = 40;
    o.SetEffectDistance(20.0);
    o.m_effectParam1 = 12;
    o.CreateRoundRect(0, 0, kWidth, kHeight, 200);
    PrepareCoverageMask(o, mask);
  }
};

BigObject& Big() {
  static BigObject big;
  return big;
}

void Pixels(benchmark::State& state) { state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight); }

void BM_OutlineBevel(benchmark::State& state) {
  BigObject& b = Big();
  for (auto _ : state) {
    CCoverageMask m = b.mask;
    OutlineBevel(m, 30 / 3.0);
    benchmark::DoNotOptimize(m.bytes.data());
  }
  Pixels(state);
}
BENCHMARK(BM_OutlineBevel)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_FeatherMask(benchmark::State& state) {
  BigObject& b = Big();
  b.o.m_bevelWidth = 30;
  b.o.m_bevelParam1 = 75;
  for (auto _ : state) {
    CCoverageMask m = b.mask;
    FeatherMask(b.o, m);
    benchmark::DoNotOptimize(m.bytes.data());
  }
  Pixels(state);
}
BENCHMARK(BM_FeatherMask)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_AddOutline(benchmark::State& state) {
  BigObject& b = Big();
  b.o.m_outlineType = int(state.range(0));
  b.o.m_outlineWidth = 40;
  b.o.m_outlineParam0 = int(state.range(1));  // gradient on or off
  for (auto _ : state) AddOutline(b.o, b.mask, b.o.m_bitmap);
  b.o.m_outlineType = 0;
  Pixels(state);
}
BENCHMARK(BM_AddOutline)->ArgsProduct({{1, 2, 3, 4}, {0, 1}})->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// The drop mask of one effect at softness 20 on the rendered object.
void BM_DropMask(benchmark::State& state) {
  BigObject& b = Big();
  b.o.m_effect = int(state.range(0));
  for (auto _ : state) BuildDropMask(b.o, b.mask);
  b.o.m_effect = 0;
  Pixels(state);
}
BENCHMARK(BM_DropMask)
    ->Arg(kEffectDropShadow)->Arg(kEffectSunShadow)->Arg(kEffectGlow)->Arg(kEffectHalo)->Arg(kEffectInset)
    ->Arg(kEffectDropGradient)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// RenderObject of the object with a "Smooth Bevel" (width 30) and a drop shadow of
// softness 20: the figure against the 150 ms a user waits at most after an edit.
void BM_RenderBevelledWithShadow(benchmark::State& state) {
  BigObject& b = Big();
  b.o.m_bevelType = 1;
  b.o.m_bevelWidth = 30;
  b.o.m_effect = int(state.range(0));
  for (auto _ : state) b.o.RenderObject(false, nullptr);
  b.o.m_bevelType = 0;
  b.o.m_effect = 0;
  Pixels(state);
}
BENCHMARK(BM_RenderBevelledWithShadow)->Arg(0)->Arg(kEffectDropShadow)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

}  // namespace
