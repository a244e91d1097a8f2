// Painting: a 2000-pixel stroke on an 1800 × 1500 layer, replayed as pointer events
// every 4 pixels, with a 60-pixel soft round brush at spacing 0.15 and with an image
// hose. Each iteration also stamps the same dabs (the positions our stroke placed)
// through cairo — cairo_mask_surface of the dab's alpha in the paint colour, or the
// hose frame painted as a source surface — so that both are measured in one run.
//
// Counters: dabs/s for ours and cairo's, cairo_time/ours (above 1: we are faster),
// and the mean and largest time one pointer event took (ms).
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include "base/app_context.h"
#include "base/program_constants.h"
#include "document/draw_object.h"
#include "paint/brush.h"
#include "paint/brush_images.h"
#include "paint/paint_editor.h"
#include "paint/painting_state.h"

namespace tessel {
namespace {

constexpr int kLayerWidth = 1800, kLayerHeight = 1500;
constexpr double kStrokeLength = 2000.0, kEventStep = 4.0;
using Clock = std::chrono::steady_clock;

CBrush SoftRound() {
  CBrush b;
  b.m_size = 60;
  b.m_blur = 10.0;
  b.SetSpacing(0.15);
  b.Build(kLibraryPreviewSide);
  return b;
}

CBrush Hose() {
  CBrush b;
  b.m_tipKind = kTipImageHose;
  b.m_hoseMode = kHoseSequential;
  b.SetSpacing(0.5);
  for (int i = 0; i < 8; ++i) {
    CDIBSection f;
    f.Create(64, 64, 32);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        uint8_t* p = f.RowFromBottom(y) + x * 4;
        const double r = std::hypot(x - 31.5, y - 31.5);
        p[kRed] = uint8_t(40 * i), p[kGreen] = uint8_t(4 * x), p[kBlue] = uint8_t(4 * y);
        p[kAlpha] = uint8_t(r < 30 ? 255 : r < 32 ? 128 : 0);
      }
    b.m_hoseFrames.push_back(std::move(f));
  }
  ApplyHoseFrames(b);
  b.Build(kLibraryPreviewSide);
  return b;
}

// The stroke's pointer positions: a gentle diagonal wave across the layer.
std::vector<CPointD> StrokePoints() {
  std::vector<CPointD> pts;
  for (double t = 0; t <= kStrokeLength; t += kEventStep)
    pts.push_back({100 + t * 0.8, 700 + 0.6 * t * 0.5 + 120 * std::sin(t / 150)});
  return pts;
}

// A cairo ARGB32 copy (premultiplied, top-down) of a bottom-up BGRA bitmap; alphaOnly
// gives an A8 mask of its alpha.
cairo_surface_t* ToCairo(const CDIBSection& b, bool alphaOnly) {
  cairo_surface_t* s =
      cairo_image_surface_create(alphaOnly ? CAIRO_FORMAT_A8 : CAIRO_FORMAT_ARGB32, b.Width(), b.Height());
  uint8_t* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < b.Height(); ++y) {
    const uint8_t* src = b.RowFromTop(y);
    uint8_t* d = data + y * stride;
    for (int x = 0; x < b.Width(); ++x, src += 4) {
      const int a = src[kAlpha];
      if (alphaOnly) {
        d[x] = uint8_t(a);
        continue;
      }
      const uint32_t px = uint32_t(a) << 24 | uint32_t(src[kRed] * a / 255) << 16 |
                          uint32_t(src[kGreen] * a / 255) << 8 | uint32_t(src[kBlue] * a / 255);
      reinterpret_cast<uint32_t*>(d)[x] = px;
    }
  }
  cairo_surface_mark_dirty(s);
  return s;
}

void RunStroke(benchmark::State& state, const CBrush& brush) {
  CAppContext app;
  CDrawObject object;
  object.m_width = kLayerWidth;
  object.m_height = kLayerHeight;
  CPaintingState paint;
  paint.m_brush = brush;
  paint.m_paintColour = 0x2040C0;
  paint.m_opacity = 200;
  CPaintEditor editor(object, paint);
  const std::vector<CPointD> pts = StrokePoints();

  // The dabs our stroke places, and cairo surfaces of what they stamp.
  editor.SetLogDabs(true);
  editor.ButtonDown(pts[0]);
  for (size_t i = 1; i < pts.size(); ++i) editor.MouseMove(pts[i]);
  editor.ButtonUp(pts.back());
  editor.SetLogDabs(false);
  const std::vector<CRect> dabs = editor.DabLog();
  const bool hose = brush.m_tipKind == kTipImageHose;
  std::vector<cairo_surface_t*> stamps;
  if (hose)
    for (const CDIBSection& f : brush.m_hoseFrames) stamps.push_back(ToCairo(f, false));
  else
    stamps.push_back(ToCairo(brush.m_dab, true));
  cairo_surface_t* layer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kLayerWidth, kLayerHeight);
  cairo_t* cr = cairo_create(layer);

  double ours = 0, theirs = 0, worstEvent = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    editor.ButtonDown(pts[0]);
    for (size_t i = 1; i < pts.size(); ++i) {
      const auto e0 = Clock::now();
      editor.MouseMove(pts[i]);
      worstEvent = std::max(worstEvent, std::chrono::duration<double>(Clock::now() - e0).count());
    }
    editor.ButtonUp(pts.back());
    const double mine = std::chrono::duration<double>(Clock::now() - t0).count();
    ours += mine;
    state.SetIterationTime(mine);
    editor.Undo();  // every iteration paints the same layer

    t0 = Clock::now();
    cairo_set_source_rgba(cr, 0xC0 / 255.0, 0x40 / 255.0, 0x20 / 255.0, 200 / 255.0);
    for (size_t i = 0; i < dabs.size(); ++i) {
      // Layer rows count from the bottom; cairo's from the top.
      const double x = dabs[i].left, y = kLayerHeight - dabs[i].bottom;
      if (hose) {
        cairo_surface_t* frame = stamps[(i + 1) % stamps.size()];
        cairo_set_source_surface(cr, frame, x, y - cairo_image_surface_get_height(frame));
        cairo_paint_with_alpha(cr, 200 / 255.0);
      } else {
        cairo_mask_surface(cr, stamps[0], x, y - cairo_image_surface_get_height(stamps[0]));
      }
    }
    cairo_surface_flush(layer);
    theirs += std::chrono::duration<double>(Clock::now() - t0).count();
  }
  const double n = double(state.iterations()) * double(dabs.size());
  state.counters["dabs"] = double(dabs.size());
  state.counters["ours_dabs_per_s"] = n / ours;
  state.counters["cairo_dabs_per_s"] = n / theirs;
  state.counters["cairo_time/ours"] = theirs / ours;
  state.counters["event_ms_mean"] = 1000.0 * ours / (double(state.iterations()) * double(pts.size()));
  state.counters["event_ms_max"] = 1000.0 * worstEvent;
  cairo_destroy(cr);
  cairo_surface_destroy(layer);
  for (cairo_surface_t* s : stamps) cairo_surface_destroy(s);
}

void BM_StrokeSoftRound60(benchmark::State& state) { RunStroke(state, SoftRound()); }
BENCHMARK(BM_StrokeSoftRound60)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_StrokeImageHose(benchmark::State& state) { RunStroke(state, Hose()); }
BENCHMARK(BM_StrokeImageHose)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessel
