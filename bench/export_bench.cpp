// Export speed on an 1800 x 1500 picture: JPEG quality 95, Wu's 256-colour palette with
// Floyd-Steinberg dithering (palette and mapping apart as well), and the 50 % resize
// with every filter. Items processed are source pixels.
//
//   build-bench/bench/export_bench [--benchmark_filter=Jpeg]
//
// TESSEL_BENCH_INPUT may name an image file to use instead of the built-in photo-like
// picture; bench/compare_export.sh passes the one it also gives cjpeg and ImageMagick,
// and prints the comparison.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "base/dib_section.h"
#include "codecs/image_reader.h"
#include "export/colour_quantizer.h"
#include "export/raster_encoders.h"
#include "export/resampler.h"

using namespace tessel;

namespace {

constexpr int kWidth = 1800;
constexpr int kHeight = 1500;

struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;
};

// Smooth gradients, hard-edged discs and some noise, like a photo.
Picture Synthetic() {
  Picture p{kWidth, kHeight, std::vector<uint8_t>(size_t(kWidth) * kHeight * 3)};
  std::mt19937 rng(7);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      uint8_t* d = &p.rgb[(size_t(y) * kWidth + size_t(x)) * 3];
      const int noise = int(rng() % 17) - 8;
      const bool disc = ((x - 600) * (x - 600) + (y - 500) * (y - 500)) < 250 * 250 ||
                        ((x - 1300) * (x - 1300) + (y - 1000) * (y - 1000)) < 300 * 300;
      const int r = disc ? 220 : x * 255 / kWidth, g = disc ? 60 + y / 20 : y * 255 / kHeight;
      const int b = disc ? 40 : 128 + (x - y) / 30;
      d[0] = uint8_t(std::clamp(r + noise, 0, 255));
      d[1] = uint8_t(std::clamp(g + noise, 0, 255));
      d[2] = uint8_t(std::clamp(b + noise, 0, 255));
    }
  return p;
}

const Picture& Input() {
  static const Picture picture = [] {
    const char* path = std::getenv("TESSEL_BENCH_INPUT");
    CDIBSection image;
    std::string error;
    if (!path || !ReadImageFile(path, image, &error)) return Synthetic();
    Picture p{image.Width(), image.Height(), std::vector<uint8_t>(size_t(image.Width()) * image.Height() * 3)};
    for (int y = 0; y < p.height; ++y) {
      const uint8_t* s = image.RowFromTop(y);
      uint8_t* d = &p.rgb[size_t(y) * size_t(p.width) * 3];
      for (int x = 0; x < p.width; ++x, s += 4, d += 3) d[0] = s[2], d[1] = s[1], d[2] = s[0];
    }
    return p;
  }();
  return picture;
}

void Pixels(benchmark::State& state) { state.SetItemsProcessed(int64_t(state.iterations()) * Input().width * Input().height); }

void BM_JpegQuality95(benchmark::State& state) {
  const Picture& p = Input();
  std::string error;
  for (auto _ : state) benchmark::DoNotOptimize(EncodeJpeg(p.rgb.data(), p.width, p.height, {95, false, false, false}, &error));
  Pixels(state);
}
BENCHMARK(BM_JpegQuality95)->Unit(benchmark::kMillisecond);

void BM_Palette256FloydSteinberg(benchmark::State& state) {
  const Picture& p = Input();
  CPalette palette;
  std::vector<uint8_t> indices;
  for (auto _ : state) ReduceColours(p.rgb.data(), p.width, p.height, 256, DitherMode::kFloydSteinberg, palette, indices);
  Pixels(state);
}
BENCHMARK(BM_Palette256FloydSteinberg)->Unit(benchmark::kMillisecond);

void BM_WuPalette256(benchmark::State& state) {
  const Picture& p = Input();
  for (auto _ : state) benchmark::DoNotOptimize(ChoosePalette(p.rgb.data(), p.rgb.size() / 3, 256));
  Pixels(state);
}
BENCHMARK(BM_WuPalette256)->Unit(benchmark::kMillisecond);

void BM_MapPalette(benchmark::State& state) {
  const Picture& p = Input();
  const CPalette palette = ChoosePalette(p.rgb.data(), p.rgb.size() / 3, 256);
  for (auto _ : state)
    benchmark::DoNotOptimize(MapToPalette(p.rgb.data(), p.width, p.height, palette, DitherMode(state.range(0))));
  Pixels(state);
}
BENCHMARK(BM_MapPalette)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_ResizeHalf(benchmark::State& state) {
  const Picture& p = Input();
  const auto filter = ResampleFilter(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(Resample(p.rgb.data(), p.width, p.height, 3, p.width / 2, p.height / 2, filter));
  Pixels(state);
}
BENCHMARK(BM_ResizeHalf)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
