// Image loader throughput: reading a 1800 x 1500 JPEG and PNG through ReadImageFile,
// beside libjpeg and libpng called directly on the same file into a plain BGRA buffer
// (the floor any reader can reach). Bytes processed are the decoded BGRA bytes, so the
// MB/s figures of both paths compare directly; our overhead is the difference.
//
//   build-bench/bench/image_read_bench [--benchmark_filter=Jpeg]
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdio>

#include <jpeglib.h>
#include <png.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/dib_section.h"
#include "codecs/image_reader.h"
#include "io/png_writer.h"

using namespace tessel;

namespace {

constexpr int kWidth = 1800;
constexpr int kHeight = 1500;
constexpr int64_t kDecodedBytes = int64_t(kWidth) * kHeight * 4;

// A picture that compresses like a photograph: a sky gradient, soft hills, a few
// blurred discs and fine grain from a seeded generator.
CDIBSection MakePicture() {
  CDIBSection bmp;
  bmp.Create(kWidth, kHeight, 32);
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> grain(-6, 6);
  for (int y = 0; y < kHeight; ++y) {
    uint8_t* p = bmp.RowFromTop(y);
    for (int x = 0; x < kWidth; ++x, p += 4) {
      const double hill = kHeight * (0.6 + 0.08 * std::sin(x * 0.004) + 0.03 * std::sin(x * 0.021));
      double r, g, b;
      if (y < hill) {
        const double t = double(y) / hill;
        r = 90 + 120 * t, g = 140 + 80 * t, b = 230 - 30 * t;
      } else {
        const double t = (y - hill) / (kHeight - hill);
        r = 70 - 40 * t + 20 * std::sin(x * 0.05 + y * 0.03), g = 120 - 50 * t, b = 40;
      }
      for (int k = 0; k < 5; ++k) {
        const double cx = 300 + 320 * k, cy = 300 + 90 * k, d = std::hypot(x - cx, y - cy) / 120;
        if (d < 1) r += 80 * (1 - d), g += 60 * (1 - d), b -= 40 * (1 - d);
      }
      auto clamp = [](double v) { return uint8_t(v < 0 ? 0 : v > 255 ? 255 : v); };
      p[0] = clamp(b + grain(rng)), p[1] = clamp(g + grain(rng)), p[2] = clamp(r + grain(rng)), p[3] = 255;
    }
  }
  return bmp;
}

void WriteJpeg(const std::string& path, const CDIBSection& bmp) {
  FILE* f = std::fopen(path.c_str(), "wb");
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  jpeg_stdio_dest(&c, f);
  c.image_width = kWidth, c.image_height = kHeight, c.input_components = 4, c.in_color_space = JCS_EXT_BGRA;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 90, TRUE);
  jpeg_start_compress(&c, TRUE);
  while (c.next_scanline < c.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(bmp.RowFromTop(int(c.next_scanline)));
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::fclose(f);
}

// The two files, written once into a folder that is removed at exit.
struct CFiles {
  std::string dir, jpeg, png;
  CFiles() {
    char name[] = "/tmp/tessel_bench_XXXXXX";
    dir = ::mkdtemp(name);
    jpeg = dir + "/picture.jpg";
    png = dir + "/picture.png";
    const CDIBSection bmp = MakePicture();
    WriteJpeg(jpeg, bmp);
    WritePngBgra(png, bmp, false, nullptr);
  }
  ~CFiles() {
    std::remove(jpeg.c_str());
    std::remove(png.c_str());
    ::rmdir(dir.c_str());
  }
};

const CFiles& Files() {
  static CFiles files;
  return files;
}

void BM_ReadJpeg_ImageLoader(benchmark::State& state) {
  const std::string& path = Files().jpeg;
  for (auto _ : state) {
    CDIBSection out;
    if (!ReadImageFile(path, out, nullptr)) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(out.Bits());
  }
  state.SetBytesProcessed(state.iterations() * kDecodedBytes);
}

// libjpeg on the file, BGRA rows into a fresh buffer.
void BM_ReadJpeg_Direct(benchmark::State& state) {
  const std::string& path = Files().jpeg;
  for (auto _ : state) {
    FILE* f = std::fopen(path.c_str(), "rb");
    jpeg_decompress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_decompress(&c);
    jpeg_stdio_src(&c, f);
    jpeg_read_header(&c, TRUE);
    c.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&c);
    const size_t stride = size_t(c.output_width) * 4;
    std::unique_ptr<uint8_t[]> pixels(new uint8_t[stride * c.output_height]);
    while (c.output_scanline < c.output_height) {
      JSAMPROW rows[16];
      const unsigned n = std::min(16u, c.output_height - c.output_scanline);
      for (unsigned i = 0; i < n; ++i) rows[i] = pixels.get() + (c.output_scanline + i) * stride;
      jpeg_read_scanlines(&c, rows, n);
    }
    jpeg_finish_decompress(&c);
    jpeg_destroy_decompress(&c);
    std::fclose(f);
    benchmark::DoNotOptimize(pixels.get());
  }
  state.SetBytesProcessed(state.iterations() * kDecodedBytes);
}

void BM_ReadPng_ImageLoader(benchmark::State& state) {
  const std::string& path = Files().png;
  for (auto _ : state) {
    CDIBSection out;
    if (!ReadImageFile(path, out, nullptr)) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(out.Bits());
  }
  state.SetBytesProcessed(state.iterations() * kDecodedBytes);
}

// libpng on the file with the same transformations, BGRA rows into a fresh buffer.
void BM_ReadPng_Direct(benchmark::State& state) {
  const std::string& path = Files().png;
  for (auto _ : state) {
    FILE* f = std::fopen(path.c_str(), "rb");
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, f);
    png_read_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
    const size_t stride = size_t(w) * 4;
    std::unique_ptr<uint8_t[]> pixels(new uint8_t[stride * h]);
    std::vector<png_bytep> rows(h);
    for (png_uint_32 y = 0; y < h; ++y) rows[y] = pixels.get() + y * stride;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    benchmark::DoNotOptimize(pixels.get());
  }
  state.SetBytesProcessed(state.iterations() * kDecodedBytes);
}

}  // namespace

BENCHMARK(BM_ReadJpeg_ImageLoader)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadJpeg_Direct)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPng_ImageLoader)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPng_Direct)->Unit(benchmark::kMillisecond);
