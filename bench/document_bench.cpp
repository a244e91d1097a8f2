// The document renderer on the large poster sample (1800 x 1500, 64 objects): loading
// with every object rendered, the full composite, the re-render of one large object
// with a bevel and a drop shadow (what a user waits for after each edit), and the
// composite of one full-canvas object against a plain copy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"

namespace tessel {
namespace {

constexpr int kWidth = 1800;
constexpr int kHeight = 1500;
const std::string kPoster = std::string(TESSEL_BENCH_DATA_DIR) + "/Samples/Poster.tsl";

void BM_LoadAndRenderPoster(benchmark::State& state) {
  CAppContext app;
  for (auto _ : state) {
    CVellumDoc doc;
    if (LoadProjectFile(doc, kPoster) != LoadResult::kLoaded) state.SkipWithError("cannot load the poster");
    benchmark::DoNotOptimize(doc.ObjectCount());
  }
}
BENCHMARK(BM_LoadAndRenderPoster)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ComposePoster(benchmark::State& state) {
  CAppContext app;
  CVellumDoc doc;
  if (LoadProjectFile(doc, kPoster) != LoadResult::kLoaded) state.SkipWithError("cannot load the poster");
  CDIBSection canvas;
  for (auto _ : state) ComposeDocument(doc, 1, {}, canvas);
}
BENCHMARK(BM_ComposePoster)->Unit(benchmark::kMillisecond);

// A rounded rectangle filling the canvas, bevel kind from the argument, drop shadow of
// softness 20.
void BM_RerenderLargeObject(benchmark::State& state) {
  CAppContext app;
  CDrawObject o;
  o.m_bevelType = int(state.range(0));
  o.m_bevelWidth = 20;
  o.m_effect = 1;
  o.m_effectParam1 = 10;
  o.SetEffectDistance(20.0);
  o.m_effectSoftness = 30;
  o.CreateRoundRect(0, 0, kWidth, kHeight, 200);
  for (auto _ : state) o.RenderObject(false, nullptr);
  state.counters["ns/px"] = benchmark::Counter(double(kWidth) * kHeight, benchmark::Counter::kIsIterationInvariantRate |
                                                                             benchmark::Counter::kInvert);
}
BENCHMARK(BM_RerenderLargeObject)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// One object as large as the canvas with a soft alpha edge, composited in mode
// "Normal"; the peer below copies the same number of bytes.
void BM_CompositeFullCanvasObject(benchmark::State& state) {
  CAppContext app;
  CDrawObject o;
  o.m_bevelType = 0;
  o.CreateCircle(0, 0, kWidth, kHeight);
  o.m_shadowOption = int(state.range(0));
  CDIBSection canvas;
  canvas.Create(kWidth, kHeight, 32);
  std::memset(canvas.Bits(), 200, canvas.SizeBytes());
  for (auto _ : state) {
    DrawObject(canvas, o, {});
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(canvas.SizeBytes()));
}
BENCHMARK(BM_CompositeFullCanvasObject)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MemcpyCanvas(benchmark::State& state) {
  std::vector<uint8_t> from(size_t(kWidth) * kHeight * 4, 7), to(from.size());
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(from.size()));
}
BENCHMARK(BM_MemcpyCanvas)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessel
