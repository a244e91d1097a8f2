// Undo on a large drawing: 64 objects (rectangles, circles, stars, round rectangles,
// Mutaflux fills and painted bitmap objects) spread over an 1800 x 1500 canvas.
//   SaveUndo         records one snapshot of the whole object list
//   UndoOneChange    undoes a colour change of one object and redoes it: two loads
//                    that each render only the changed object
//   UndoMove         the same for a move, which renders nothing
//   RenderAll        renders every object once, what a load without reuse would cost
//
//   build-bench/bench/undo_bench
#include <benchmark/benchmark.h>

#include <random>

#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"

using namespace tessel;

namespace {

constexpr int kObjectCount = 64;
constexpr int kCanvasWidth = 1800, kCanvasHeight = 1500;
constexpr int kLayerSide = 180;

void AddObject(CVellumDoc& doc, int i, std::mt19937& rng) {
  CDrawObject* o = doc.NewObject();
  const int side = 120 + int(rng() % 200);
  const int left = int(rng() % (kCanvasWidth - side)), top = int(rng() % (kCanvasHeight - side));
  o->m_color = rng() & 0xFFFFFF;
  o->m_color2 = rng() & 0xFFFFFF;
  o->m_gradientParam = int(rng() % 360);
  if (i % 5 == 1) o->m_mutafluxIndex = 1 + int(rng() % 14);
  switch (i % 6) {
    case 0: o->CreateRectangle(left, top, left + side, top + side * 2 / 3); break;
    case 1: o->CreateCircle(left, top, left + side, top + side); break;
    case 2: o->CreateStar(left, top, left + side, top + side, 5 + i % 4, 2.0); break;
    case 3: o->CreateRoundRect(left, top, left + side, top + side / 2, 200); break;
    case 4: {
      o->m_type = kTypeBitmap;
      o->m_layer.Create(kLayerSide, kLayerSide, 32);
      for (size_t b = 0; b < o->m_layer.SizeBytes(); ++b) o->m_layer.Bits()[b] = uint8_t(b * 7 + i);
      o->m_left = left, o->m_top = top;
      o->AllocateBitmaps(kLayerSide, kLayerSide);
      break;
    }
    default: o->CreateRectangle(left, top, left + side / 2, top + side); break;
  }
}

struct LargeDocument {
  CAppContext app{std::make_unique<CProfile>(), std::make_unique<CStderrMessages>(true), AppPaths()};
  CVellumDoc doc;
  LargeDocument() {
    doc.m_width = kCanvasWidth, doc.m_height = kCanvasHeight;
    std::mt19937 rng(42);
    for (int i = 0; i < kObjectCount; ++i) AddObject(doc, i, rng);
    doc.m_undoLevels = 30;
    doc.ResetUndo();
  }
};

void BM_SaveUndo(benchmark::State& state) {
  LargeDocument large;
  for (auto _ : state) large.doc.SaveUndo();
  state.counters["snapshot_MB"] = double(large.doc.m_undoList.front().size()) / (1 << 20);
}
BENCHMARK(BM_SaveUndo)->Unit(benchmark::kMillisecond);

void BM_UndoOneChange(benchmark::State& state) {
  LargeDocument large;
  CDrawObject* changed = large.doc.ObjectAt(kObjectCount / 2);
  changed->SetAndRender(&CObjectFields::m_color, 0x00FF00);
  large.doc.SaveUndo();
  int renderedUndo = 0, renderedRedo = 0;
  for (auto _ : state) {
    large.doc.Undo(&renderedUndo);
    large.doc.Redo(&renderedRedo);
  }
  state.counters["rendered_per_load"] = (renderedUndo + renderedRedo) / 2.0;
}
BENCHMARK(BM_UndoOneChange)->Unit(benchmark::kMillisecond);

void BM_UndoMove(benchmark::State& state) {
  LargeDocument large;
  large.doc.ObjectAt(3)->m_left += 40;
  large.doc.SaveUndo();
  int renderedUndo = 0, renderedRedo = 0;
  for (auto _ : state) {
    large.doc.Undo(&renderedUndo);
    large.doc.Redo(&renderedRedo);
  }
  state.counters["rendered_per_load"] = (renderedUndo + renderedRedo) / 2.0;
}
BENCHMARK(BM_UndoMove)->Unit(benchmark::kMillisecond);

void BM_RenderAll(benchmark::State& state) {
  LargeDocument large;
  for (auto _ : state)
    for (auto& o : large.doc.m_objects) o->RenderObject(false, nullptr);
}
BENCHMARK(BM_RenderAll)->Unit(benchmark::kMillisecond);

}  // namespace
