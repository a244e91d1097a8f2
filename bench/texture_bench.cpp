// The texture and transparency steps on the largest canvas box, 1800 x 1500: an image
// texture rotated and scaled (with and without perspective, in three modes), the
// built-in colour gradients, and each kind of transparency map. Besides time per
// render, every case reports ns per box pixel ("ns/px").
#include <benchmark/benchmark.h>

#include <cmath>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "render/colour_gradient.h"
#include "render/coverage_mask.h"
#include "render/map_names.h"
#include "render/texture_bank.h"
#include "render/texture_step.h"
#include "render/transparency_map.h"

namespace tessel {
namespace {

constexpr int kWidth = 1800;
constexpr int kHeight = 1500;
constexpr int64_t kPixels = int64_t(kWidth) * kHeight;

// A 256 x 256 24-bit picture with some structure (so the bilinear weights vary).
CDIBSection TexturePicture() {
  CDIBSection pic;
  pic.Create(256, 256, 24);
  for (int y = 0; y < 256; ++y) {
    uint8_t* p = pic.RowFromTop(y);
    for (int x = 0; x < 256; ++x, p += 3) {
      p[0] = uint8_t(x ^ y);
      p[1] = uint8_t(128 + 127 * std::sin(x * 0.1) * std::cos(y * 0.07));
      p[2] = uint8_t((x * 3 + y * 5) & 255);
    }
  }
  return pic;
}

struct CBox {
  CAppContext app;
  CDrawObject o;
  CCoverageMask mask;
  CBox() {
    o.m_width = kWidth;
    o.m_height = kHeight;
    o.m_bitmap.Create(kWidth, kHeight, 32);
    o.m_color = 0x3060A0;
    o.m_color2 = 0xF0C020;
    mask.Reset(kWidth, kHeight, 255);
  }
};

void Report(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * kPixels);
  state.counters["ns/px"] =
      benchmark::Counter(double(kPixels) * 1e-9, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Image texture: angle 30, scale 1.7 x 1.3, second angle 10; arg 0 the mode, arg 1
// perspective (factor 2.5 at 120 degrees) on or off.
void BM_ImageTexture(benchmark::State& state) {
  CBox box;
  App().TextureBank().Add("Bench.png", "TXT", TexturePicture());
  box.o.m_textureName = "Bench.png";
  box.o.m_textureAmount = 200;
  box.o.m_textureParam1 = int(state.range(0));
  box.o.m_texAngle = 30;
  box.o.m_texAngle2 = 10;
  box.o.m_texScaleX = 1.7;
  box.o.m_texScaleY = 1.3;
  box.o.m_texOffsetX = 17;
  if (state.range(1)) {
    box.o.m_texPerspAmount = 2.5;
    box.o.m_texPerspAngle = 120;
  }
  for (auto _ : state) {
    ApplyTexture(box.o, box.mask);
    benchmark::DoNotOptimize(box.o.m_bitmap.Bits());
  }
  Report(state);
}
BENCHMARK(BM_ImageTexture)
    ->ArgNames({"mode", "persp"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({13, 0})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond);

// The built-in colour gradients: 0 linear (angle 30), 1 radial, 2 burst.
void BM_ColourGradient(benchmark::State& state) {
  CBox box;
  const char* names[] = {kLinearGradientName, kRadialGradientName, kBurstGradientName};
  box.o.m_textureName = names[state.range(0)];
  box.o.m_gradientParam = 30;
  for (auto _ : state) {
    ApplyTexture(box.o, box.mask);
    benchmark::DoNotOptimize(box.o.m_bitmap.Bits());
  }
  Report(state);
}
BENCHMARK(BM_ColourGradient)->ArgName("shape")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Transparency maps: 0 Linear, 1 Bilinear, 2 Radial, 3 Burst, 4 an image map; arg 1
// the transparent mode (1) or the wash (0).
void BM_TransparencyMap(benchmark::State& state) {
  CBox box;
  App().TextureBank().Add("BenchMap.png", "TR", TexturePicture());
  const char* names[] = {kLinearMapName, kBilinearMapName, kRadialMapName, kBurstMapName, "BenchMap.png"};
  box.o.m_transpName = names[state.range(0)];
  box.o.m_transpMode = int(state.range(1));
  box.o.m_transpAmount = 200;
  box.o.m_transpGeom = {0.2, 0.9, 0.7, 0.3, 0.8, 0.0};
  for (auto _ : state) {
    ApplyTransparencyMap(box.o, box.mask);
    benchmark::DoNotOptimize(box.o.m_bitmap.Bits());
  }
  Report(state);
}
BENCHMARK(BM_TransparencyMap)
    ->ArgNames({"map", "transparent"})
    ->ArgsProduct({{0, 1, 2, 3, 4}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

// The floor: copying the mask into the alpha, one pass over the box.
void BM_MaskToAlphaFloor(benchmark::State& state) {
  CBox box;
  for (auto _ : state) {
    CopyMaskToAlpha(box.mask, box.o.m_bitmap);
    benchmark::DoNotOptimize(box.o.m_bitmap.Bits());
  }
  Report(state);
}
BENCHMARK(BM_MaskToAlphaFloor)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessel
