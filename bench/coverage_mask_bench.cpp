// Coverage masks: our supersampled mask of a large ellipse in each anti-alias mode
// and of a line of text, beside cairo's own anti-aliased fill of the same ellipse into
// an 8-bit surface (what a program built straight on cairo would do).
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <vector>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "render/coverage_mask.h"

namespace tessel {
namespace {

// Boxes of 1800 x 1500 (the largest canvas; every mode samples 1:1 there) and of
// 600 x 500, where the modes sample at 1, 2, 3 and 4 times.
int Height(int width) { return width * 5 / 6; }

void BM_EllipseMask(benchmark::State& state) {
  CAppContext app;
  CDrawObject o;
  const int kWidth = int(state.range(0)), kHeight = Height(kWidth);
  o.m_antiAlias = int(state.range(1));
  o.CreateCircle(2, 2, kWidth - 2, kHeight - 2);
  CCoverageMask mask;
  for (auto _ : state) {
    PrepareCoverageMask(o, mask);
    benchmark::DoNotOptimize(mask.bytes.data());
  }
  state.SetLabel("factor " + std::to_string(ChooseMaskSampling(o).factor));
  state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
}
BENCHMARK(BM_EllipseMask)->ArgsProduct({{1800, 600}, {1, 2, 3, 4}})->Unit(benchmark::kMillisecond);

void BM_CairoAntialiasedEllipse(benchmark::State& state) {
  const int kWidth = int(state.range(0)), kHeight = Height(kWidth);
  const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_A8, kWidth);
  std::vector<uint8_t> pixels(size_t(stride) * kHeight);
  cairo_surface_t* surface =
      cairo_image_surface_create_for_data(pixels.data(), CAIRO_FORMAT_A8, kWidth, kHeight, stride);
  cairo_t* cr = cairo_create(surface);
  for (auto _ : state) {
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_save(cr);
    cairo_translate(cr, kWidth / 2.0, kHeight / 2.0);
    cairo_scale(cr, kWidth / 2.0 - 2, kHeight / 2.0 - 2);
    cairo_arc(cr, 0, 0, 1, 0, 6.283185307179586);
    cairo_restore(cr);
    cairo_fill(cr);
    cairo_surface_flush(surface);
    benchmark::DoNotOptimize(pixels.data());
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
}
BENCHMARK(BM_CairoAntialiasedEllipse)->Arg(1800)->Arg(600)->Unit(benchmark::kMillisecond);

void BM_TextLineMask(benchmark::State& state) {
  CAppContext app;
  CDrawObject o;
  o.m_antiAlias = 3;
  if (!o.CreateText("Tessel draws smooth text", o.m_font, 28.0)) {
    state.SkipWithError("no font");
    return;
  }
  CCoverageMask mask;
  for (auto _ : state) {
    PrepareCoverageMask(o, mask);
    benchmark::DoNotOptimize(mask.bytes.data());
  }
  state.SetLabel(std::to_string(o.m_width) + " x " + std::to_string(o.m_height) + ", factor " +
                 std::to_string(ChooseMaskSampling(o).factor));
}
BENCHMARK(BM_TextLineMask)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessel
