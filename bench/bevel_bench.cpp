// Bevel speed on an 1800 × 1500 box: the height-field builder at radius 10 and 30, the
// program's Gaussian blur of a one-byte plane (both axes) at several radii, the plain
// reference blur at radius 10, and the whole bevel step (ApplyBevel) for every kind
// family. Items processed are pixels; cpu_time is the whole process (both bands).
//
//   build-bench/bench/bevel_bench [--benchmark_filter=BlurPlane]
//
// bench/compare_blur.sh times ImageMagick's -blur and -gaussian-blur next to BM_BlurPlane.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "base/app_context.h"
#include "base/dib_section.h"
#include "document/draw_object.h"
#include "filters/gaussian_blur.h"
#include "render/bevel.h"
#include "render/coverage_mask.h"
#include "render/height_field.h"

using namespace tessel;

namespace {

constexpr int kWidth = 1800;
constexpr int kHeight = 1500;

// An ellipse filling the box but for a 12-pixel border, with a soft 3-pixel rim.
const std::vector<uint8_t>& EllipseMask() {
  static const std::vector<uint8_t> mask = [] {
    std::vector<uint8_t> m(size_t(kWidth) * kHeight);
    const double cx = kWidth / 2.0, cy = kHeight / 2.0, rx = cx - 12, ry = cy - 12;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        const double inside = (1.0 - (dx * dx + dy * dy)) * rx / 3.0;
        m[size_t(y) * kWidth + x] = uint8_t(inside <= 0 ? 0 : inside >= 1 ? 255 : inside * 255);
      }
    return m;
  }();
  return mask;
}

void Finish(benchmark::State& state) { state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight); }

void BM_BuildHeightField(benchmark::State& state) {
  CHeightFieldBuilder builder;
  std::vector<uint8_t> field;
  for (auto _ : state) {
    state.PauseTiming();
    field = EllipseMask();
    state.ResumeTiming();
    builder.BuildHeightField(field.data(), kWidth, kHeight, int(state.range(0)), kHeightBoth);
    benchmark::DoNotOptimize(field.data());
  }
  Finish(state);
}

void BM_BlurPlane(benchmark::State& state) {
  std::vector<uint8_t> plane = EllipseMask();
  const CBitmapView view{plane.data(), kWidth, kWidth, kHeight, 1};
  for (auto _ : state) {
    GaussianBlurPlane(view, double(state.range(0)), BlurAxes::kBoth);
    benchmark::DoNotOptimize(plane.data());
  }
  Finish(state);
}

void BM_BlurPlaneReference(benchmark::State& state) {
  std::vector<uint8_t> plane = EllipseMask(), tmp(plane.size());
  const CBitmapView view{plane.data(), kWidth, kWidth, kHeight, 1}, t{tmp.data(), kWidth, kWidth, kHeight, 1};
  const CGaussianKernel kernel = MakeGaussianKernel(double(state.range(0)));
  for (auto _ : state) {
    GaussianPassReference(view, t, kernel, true, 1);
    GaussianPassReference(t, view, kernel, false, 1);
    benchmark::DoNotOptimize(plane.data());
  }
  Finish(state);
}

// The bevel step of an orange ellipse object; the bitmap and mask are restored untimed.
void BM_ApplyBevel(benchmark::State& state) {
  CAppContext app;
  CDrawObject o;
  o.m_width = kWidth, o.m_height = kHeight;
  o.m_bevelType = int(state.range(0));
  o.m_bevelWidth = 30;
  o.m_bitmap.Create(kWidth, kHeight, 32);
  CDIBSection base;
  base.Create(kWidth, kHeight, 32);
  for (int y = 0; y < kHeight; ++y) {
    uint8_t* p = base.RowFromTop(y);
    const uint8_t* m = EllipseMask().data() + size_t(y) * kWidth;
    for (int x = 0; x < kWidth; ++x, p += 4) p[0] = 40, p[1] = uint8_t(120 + x % 50), p[2] = 230, p[3] = m[x];
  }
  CCoverageMask mask;
  for (auto _ : state) {
    state.PauseTiming();
    mask.width = kWidth, mask.height = kHeight, mask.bytes = EllipseMask();
    o.m_bitmap = base.Clone();
    state.ResumeTiming();
    if (!ApplyBevel(o, mask)) state.SkipWithError("the bevel did not run");
  }
  Finish(state);
}

}  // namespace

BENCHMARK(BM_BuildHeightField)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_BlurPlane)->Arg(1)->Arg(3)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_BlurPlaneReference)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
// Smooth (emboss), Bump Out, Smooth+Warp, 3D Ball, 3D Extrude, Motion Linear, Motion Zoom,
// Backlight, Blurrrr!, Linear Wash.
BENCHMARK(BM_ApplyBevel)->Arg(1)->Arg(8)->Arg(10)->Arg(12)->Arg(13)->Arg(16)->Arg(17)->Arg(18)->Arg(19)->Arg(20)
    ->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
