// Bitmap filter and colour tweak speed on a photo-like 1800 × 1500 picture: the Gaussian
// blur at several radii (fast and, for radius 2, the plain reference), Gaussian sharpen,
// oil painting, auto level, and every tweak effect with its defaults. Items processed
// are pixels.
//
//   build-bench/bench/filters_bench [--benchmark_filter=Gaussian]
//
// BM_ImageMagick runs /usr/bin/convert (when installed) on the same picture stored as a
// PPM file in /tmp, with the counterpart options of our filters, so the two can be read
// side by side; its time includes reading and writing the file (a few milliseconds).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include <unistd.h>

#include "base/dib_section.h"
#include "filters/bitmap_filters.h"
#include "filters/gaussian_blur.h"
#include "filters/tweak_effects.h"

using namespace tessel;

namespace {

constexpr int kWidth = 1800;
constexpr int kHeight = 1500;

// Smooth gradients, a few hard-edged discs and some noise, like a photo.
const CDIBSection& Photo() {
  static const CDIBSection photo = [] {
    CDIBSection p;
    p.Create(kWidth, kHeight, 32);
    std::mt19937 rng(7);
    for (int y = 0; y < kHeight; ++y) {
      uint8_t* row = p.RowFromTop(y);
      for (int x = 0; x < kWidth; ++x, row += 4) {
        const int noise = int(rng() % 21) - 10;
        int r = 40 + 180 * x / kWidth, g = 30 + 200 * y / kHeight, b = 200 - 150 * (x + y) / (kWidth + kHeight);
        for (int d = 0; d < 5; ++d) {
          const int cx = 250 + d * 330, cy = 300 + (d * 277) % 900, rad = 120 + d * 25;
          if ((x - cx) * (x - cx) + (y - cy) * (y - cy) < rad * rad) r = 230 - d * 40, g = 60 + d * 35, b = 90;
        }
        auto clamp = [](int v) { return uint8_t(v < 0 ? 0 : v > 255 ? 255 : v); };
        row[0] = clamp(b + noise), row[1] = clamp(g + noise), row[2] = clamp(r + noise), row[3] = 255;
      }
    }
    return p;
  }();
  return photo;
}

void Finish(benchmark::State& state) { state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight); }

void BM_GaussianBlur(benchmark::State& state) {
  CDIBSection src = Photo().Clone(), dst = Photo().Clone();
  for (auto _ : state) {
    GaussianFilter(GaussianMode::kBlur, src.View(), dst.View(), double(state.range(0)), 1.0, 0);
    benchmark::ClobberMemory();
  }
  Finish(state);
}

void BM_GaussianBlurReference(benchmark::State& state) {
  CDIBSection src = Photo().Clone(), dst = Photo().Clone();
  for (auto _ : state) {
    GaussianFilterReference(GaussianMode::kBlur, src.View(), dst.View(), double(state.range(0)), 1.0, 0);
    benchmark::ClobberMemory();
  }
  Finish(state);
}

void BM_GaussianSharpen(benchmark::State& state) {
  CDIBSection src = Photo().Clone(), dst = Photo().Clone();
  for (auto _ : state) {
    GaussianFilter(GaussianMode::kSharpen, src.View(), dst.View(), double(state.range(0)), 1.0, 0);
    benchmark::ClobberMemory();
  }
  Finish(state);
}

void BM_OilPainting(benchmark::State& state) {
  CDIBSection src = Photo().Clone(), dst = Photo().Clone();
  for (auto _ : state) {
    OilPaint(src.View(), dst.View());
    benchmark::ClobberMemory();
  }
  Finish(state);
}

void BM_AutoLevel(benchmark::State& state) {
  CDIBSection p = Photo().Clone();
  for (auto _ : state) {
    state.PauseTiming();
    p = Photo().Clone();
    state.ResumeTiming();
    AutoLevel(p.View(), 0.0);
    benchmark::ClobberMemory();
  }
  Finish(state);
}

void BM_TweakEffect(benchmark::State& state) {
  const int slot = int(state.range(0));
  CDIBSection src = Photo().Clone(), dst = Photo().Clone();
  CTweakEngine engine;
  engine.Select(slot);
  state.SetLabel(TweakEffect(slot)->name);
  for (auto _ : state) {
    engine.Run(src.View(), dst.View());
    benchmark::ClobberMemory();
  }
  Finish(state);
}

// The picture as a binary PPM for ImageMagick, written once.
const std::string& PhotoPpm() {
  static const std::string path = [] {
    const std::string file = "/tmp/tessel_filters_bench_" + std::to_string(::getpid()) + ".ppm";
    FILE* f = std::fopen(file.c_str(), "wb");
    std::fprintf(f, "P6\n%d %d\n255\n", kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
      const uint8_t* row = Photo().RowFromTop(y);
      for (int x = 0; x < kWidth; ++x, row += 4) {
        const uint8_t rgb[3] = {row[2], row[1], row[0]};
        std::fwrite(rgb, 1, 3, f);
      }
    }
    std::fclose(f);
    std::atexit([] { std::remove(("/tmp/tessel_filters_bench_" + std::to_string(::getpid()) + ".ppm").c_str()); });
    return file;
  }();
  return path;
}

// ImageMagick counterparts, by index.
const char* const kMagickOps[] = {
    "-blur 0x1.5",           // 0: our radius 1 (σ = 1.5), separable
    "-gaussian-blur 0x1.5",  // 1: the same, two-dimensional kernel
    "-blur 0x10.5",          // 2: our radius 10 (σ = 10.5)
    "-gaussian-blur 0x10.5", // 3
    "-unsharp 0x1.5+1+0",    // 4: our sharpen radius 1, amount 1
    "-paint 4",              // 5: oil painting 9 × 9
    "-auto-level",           // 6
    "",                      // 7: read and write only, the cost of the process and the file
};

void BM_ImageMagick(benchmark::State& state) {
  if (std::system("test -x /usr/bin/convert") != 0) {
    state.SkipWithError("/usr/bin/convert is not installed");
    return;
  }
  const std::string cmd = "/usr/bin/convert " + PhotoPpm() + " " + kMagickOps[state.range(0)] + " /tmp/tessel_filters_bench_out_" +
                          std::to_string(::getpid()) + ".ppm";
  state.SetLabel(kMagickOps[state.range(0)]);
  for (auto _ : state)
    if (std::system(cmd.c_str()) != 0) state.SkipWithError("convert failed");
  std::remove(("/tmp/tessel_filters_bench_out_" + std::to_string(::getpid()) + ".ppm").c_str());
  Finish(state);
}

}  // namespace

BENCHMARK(BM_GaussianBlur)->Arg(1)->Arg(2)->Arg(8)->Arg(10)->Arg(32)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GaussianBlurReference)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GaussianSharpen)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OilPainting)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AutoLevel)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TweakEffect)->DenseRange(0, kTweakEffectCount - 1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImageMagick)->DenseRange(0, 7)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
