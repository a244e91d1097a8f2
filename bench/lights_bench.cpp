// The lights and surface steps on the largest canvas box, 1800 x 1500: two lights (a
// distant light and a spot) over a flat surface, over a bump map and over the colour's
// own relief, and the surface skin in its grain mode and in Overlay. Besides time per
// render, every case reports ns per box pixel ("ns/px"); the CPU column counts every
// thread, which tells more than wall time on a busy machine.
#include <benchmark/benchmark.h>

#include <cmath>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "render/coverage_mask.h"
#include "render/lights_step.h"
#include "render/surface_step.h"
#include "render/texture_bank.h"

namespace tessel {
namespace {

constexpr int kWidth = 1800;
constexpr int kHeight = 1500;
constexpr int64_t kPixels = int64_t(kWidth) * kHeight;
constexpr double kPi = 3.141592653589793;

// A 128 x 128 24-bit picture of soft round bumps, like the shipped maps.
CDIBSection BumpPicture() {
  CDIBSection pic;
  pic.Create(128, 128, 24);
  for (int y = 0; y < 128; ++y) {
    uint8_t* p = pic.RowFromTop(y);
    for (int x = 0; x < 128; ++x, p += 3) {
      const double v = 128 + 127 * std::sin(x * 2 * kPi / 32) * std::cos(y * 2 * kPi / 32);
      p[0] = p[1] = p[2] = uint8_t(v);
    }
  }
  return pic;
}

struct CLitBox {
  CAppContext app;
  CDrawObject o;
  CCoverageMask mask;
  CLitBox() {
    App().TextureBank().Add("Bumps.png", "BUM", BumpPicture());
    App().TextureBank().Add("Grain.png", "SKN", BumpPicture());
    o.m_width = kWidth;
    o.m_height = kHeight;
    o.m_bitmap.Create(kWidth, kHeight, 32);
    mask.Reset(kWidth, kHeight, 255);
    CLight distant;
    distant.azimuth = 0.75 * kPi;
    CLight spot;
    spot.type = CLight::kSpot;
    spot.azimuth = 1.25 * kPi;
    spot.cone = 0.6;
    spot.focus = 0.5;
    spot.distance = 0.4;
    o.m_lights.m_lights = {distant, spot};
    o.m_lightsOn = 1;
  }
  void Fill() {
    for (int y = 0; y < kHeight; ++y) {
      uint8_t* p = o.m_bitmap.RowFromBottom(y);
      for (int x = 0; x < kWidth; ++x, p += 4) p[0] = 160, p[1] = uint8_t(x), p[2] = uint8_t(y), p[3] = 255;
    }
  }
};

void Report(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * kPixels);
  state.counters["ns/px"] = benchmark::Counter(double(kPixels) * 1e-9,
                                               benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Two lights; arg 0: flat surface, 1: bump map, 2: the colour's relief (3D texture flag).
void BM_RenderLights(benchmark::State& state) {
  CLitBox box;
  box.o.m_bumpName = state.range(0) == 1 ? "Bumps.png" : "";
  box.o.m_bumpScale = 1.0;
  box.o.m_texture3D = state.range(0) == 2;
  box.o.m_texture3DDepth = 150;
  for (auto _ : state) {
    state.PauseTiming();
    box.Fill();
    state.ResumeTiming();
    benchmark::DoNotOptimize(RenderLights(box.o, box.mask));
  }
  Report(state);
}
BENCHMARK(BM_RenderLights)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The surface skin; arg: surface mode (0 grain, 4 Overlay).
void BM_Surface(benchmark::State& state) {
  CLitBox box;
  box.Fill();
  box.o.m_surfaceName = "Grain.png";
  box.o.m_surfaceMode = int(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(ApplySurface(box.o, box.mask));
  Report(state);
}
BENCHMARK(BM_Surface)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
}  // namespace tessel
