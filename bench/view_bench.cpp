// The editing view's paint on the poster sample (1800 x 1500, 64 objects) in a window
// of the same size at zoom 1, with an object near the bottom of the stack current:
// (a) one mouse move of that object by one pixel, painting only the invalidated area,
// (b) the same move painting the whole window, (c) a full recomposition of the window.
// (a) and (b) come from the below-current cache; a frame should take under 16 ms.
// (d) one step of a property bar slider's live preview: the current object's bevel
// depth changes, the object renders again and the invalidated area is painted.
//
// The poster holds a magnifying lens and a lens flare. Lenses read the canvas at
// document positions, so with lenses on the view composes the whole canvas in every
// paint; the argument 1 runs "Lenses Off", where only the clip box is composed.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {
namespace {

const std::string kPoster = std::string(TESSEL_BENCH_DATA_DIR) + "/Samples/Poster.tsl";
constexpr CSize kClient = {1800, 1500};
constexpr int kCurrentFromBottom = 2;

// A window that only remembers the area last invalidated.
class BenchHost : public IViewHost {
 public:
  void Invalidate(const CRect& r) override { invalidated = r; }
  void InvalidateAll() override { invalidated = {0, 0, kClient.cx, kClient.cy}; }
  void SetCapture(bool) override {}
  void SetCursor(ViewCursor) override {}
  CSize ClientSize() const override { return kClient; }
  void ScrollBarsChanged() override {}
  void Status(const std::string&) override {}
  void SelectionChanged() override {}
  void LayersChanged() override {}
  void SetZoomCombo(int) override {}
  void SetClipboardData(const std::string&, const std::vector<uint8_t>&) override {}
  bool GetClipboardData(const std::string&, std::vector<uint8_t>*) override { return false; }
  bool GetClipboardImage(CDIBSection*) override { return false; }
  CRect invalidated;
};

struct PosterView {
  CAppContext app;
  CVellumDoc doc;
  BenchHost host;
  std::unique_ptr<CVellumView> view;
  CDrawObject* current = nullptr;

  bool Open(bool lensesOff) {
    if (LoadProjectFile(doc, kPoster) != LoadResult::kLoaded) return false;
    view = std::make_unique<CVellumView>(doc, host);
    view->m_lensesOff = lensesOff;
    view->OnSize(kClient);
    view->OnInitialUpdate();
    int index = 0;
    for (auto& o : doc.m_objects)
      if (index++ >= kCurrentFromBottom && !o->m_hidden && !o->m_bitmap.IsEmpty()) {
        current = o.get();
        break;
      }
    if (!current) return false;
    view->SelectObject(current);
    view->Paint({0, 0, kClient.cx, kClient.cy});
    return true;
  }

  // Moves the current object one pixel (back and forth) and returns the window area
  // to repaint.
  CRect Move(int step) {
    const CRect before = EffectRect(*current);
    current->SetPosition(current->m_left + (step % 2 == 0 ? 1 : -1), current->m_top);
    view->InvalidateDocument(before.Union(EffectRect(*current)));
    return host.invalidated;
  }
};

void Report(benchmark::State& state, const ViewPaint& paint) {
  state.counters["composed"] = paint.composed;
  state.counters["buffer_px"] = double(paint.bufferRect.Width()) * paint.bufferRect.Height();
}

void BM_MoveCurrentPaintInvalidated(benchmark::State& state) {
  PosterView p;
  if (!p.Open(state.range(0) != 0)) return state.SkipWithError("cannot open the poster");
  int step = 0;
  const ViewPaint* paint = nullptr;
  for (auto _ : state) paint = &p.view->Paint(p.Move(step++));
  Report(state, *paint);
}
BENCHMARK(BM_MoveCurrentPaintInvalidated)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MoveCurrentPaintWindow(benchmark::State& state) {
  PosterView p;
  if (!p.Open(state.range(0) != 0)) return state.SkipWithError("cannot open the poster");
  int step = 0;
  const ViewPaint* paint = nullptr;
  for (auto _ : state) {
    p.Move(step++);
    paint = &p.view->Paint({0, 0, kClient.cx, kClient.cy});
  }
  Report(state, *paint);
}
BENCHMARK(BM_MoveCurrentPaintWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FullRecomposition(benchmark::State& state) {
  PosterView p;
  if (!p.Open(state.range(0) != 0)) return state.SkipWithError("cannot open the poster");
  const ViewPaint* paint = nullptr;
  for (auto _ : state) {
    p.view->RequestFullRedraw();
    paint = &p.view->Paint({0, 0, kClient.cx, kClient.cy});
  }
  Report(state, *paint);
}
BENCHMARK(BM_FullRecomposition)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SliderPreviewStep(benchmark::State& state) {
  PosterView p;
  if (!p.Open(state.range(0) != 0)) return state.SkipWithError("cannot open the poster");
  int step = 0;
  const ViewPaint* paint = nullptr;
  for (auto _ : state) {
    const int depth = 40 + step++ % 40;
    p.view->PreviewLook([depth](CDrawObject& o) { o.m_bevelParam1 = depth; });
    paint = &p.view->Paint(p.host.invalidated);
  }
  Report(state, *paint);
  state.counters["object_px"] = double(p.current->m_width) * p.current->m_height;
}
BENCHMARK(BM_SliderPreviewStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessel
