// Artistic text outlines: one line of text at a 300-pixel em, built from its font (the
// face is matched and opened once, before timing, as in a running program) into pixel
// contours. Items processed are characters, so the rate reads as glyphs per second.
//
//   build-bench/bench/text_outline_bench
#include <benchmark/benchmark.h>

#include "geometry/text_outline.h"

using namespace tessel;

namespace {

void BM_OneLine300px(benchmark::State& state) {
  TextStyle style;
  style.text = "Tessel Artistic Text";
  style.size = 300;
  CTextOutline outline;
  if (!BuildTextOutline(style, outline)) {
    state.SkipWithError("no font");
    return;
  }
  for (auto _ : state) {
    BuildTextOutline(style, outline);
    benchmark::DoNotOptimize(outline.m_contours.data());
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(style.text.size()));
}
BENCHMARK(BM_OneLine300px);

}  // namespace
