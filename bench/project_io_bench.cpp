// Project file throughput: writing and reading a document of 500 objects, each with a
// 256 x 256 painted layer, with raw and with zlib-packed bitmap blocks, beside plain
// zlib compress/uncompress of the same pixels. Bytes processed are the raw pixel bytes
// of the layers (500 x 256 x 256 x 4 = 125 MiB), so the MB/s figures of all paths
// compare directly.
//
//   build-bench/bench/project_io_bench [--benchmark_filter=Read]
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/dib_section.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"

using namespace tessel;

namespace {

constexpr int kObjectCount = 500;
constexpr int kLayerSize = 256;
constexpr size_t kLayerBytes = size_t(kLayerSize) * kLayerSize * 4;
constexpr int64_t kRawBytes = int64_t(kObjectCount) * int64_t(kLayerBytes);

// Paints a picture that packs like a real painted layer: a two-colour linear gradient
// at a random angle, a soft radial highlight, grain of a few levels from a seeded
// generator, and an alpha that fades out towards the corners.
void PaintPicture(CDIBSection& bitmap, uint32_t seed) {
  bitmap.Create(kLayerSize, kLayerSize, 32);
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  double from[3], to[3];
  for (int c = 0; c < 3; ++c) {
    from[c] = 255.0 * unit(rng);
    to[c] = 255.0 * unit(rng);
  }
  const double angle = 2.0 * 3.1415926535 * unit(rng);
  const double dx = std::cos(angle) / kLayerSize, dy = std::sin(angle) / kLayerSize;
  const double hx = kLayerSize * unit(rng), hy = kLayerSize * unit(rng);
  const double hr = kLayerSize * (0.2 + 0.3 * unit(rng));
  const double grain = 2.0 + 6.0 * unit(rng);
  // xorshift32 for the grain: cheap, and seeded from the picture's generator.
  uint32_t noise = rng() | 1u;
  const double centre = 0.5 * kLayerSize;
  for (int y = 0; y < kLayerSize; ++y) {
    uint8_t* p = bitmap.RowFromTop(y);
    for (int x = 0; x < kLayerSize; ++x, p += 4) {
      const double t = std::fmod(std::fabs(0.5 + (x - centre) * dx + (y - centre) * dy), 1.0);
      const double d = std::hypot(x - hx, y - hy) / hr;
      const double light = d < 1.0 ? 90.0 * (1.0 - d) * (1.0 - d) : 0.0;
      noise ^= noise << 13;
      noise ^= noise >> 17;
      noise ^= noise << 5;
      const double n = grain * (double(noise & 0xFF) / 127.5 - 1.0);
      for (int c = 0; c < 3; ++c) {
        const double v = from[c] + (to[c] - from[c]) * t + light + n;
        p[c] = uint8_t(v < 0.0 ? 0.0 : v > 255.0 ? 255.0 : v);
      }
      const double r = std::hypot(x - centre, y - centre) / centre;
      p[3] = uint8_t(r < 1.0 ? 255.0 : r > 1.4 ? 0.0 : 255.0 * (1.4 - r) / 0.4);
    }
  }
}

// The document and its two stored forms, built once for all benchmarks.
struct Corpus {
  CVellumDoc doc;
  std::vector<uint8_t> rawFile;     // bitmap blocks stored raw
  std::vector<uint8_t> packedFile;  // bitmap blocks packed with zlib

  Corpus() {
    doc.m_width = 2000;
    doc.m_height = 1500;
    for (int i = 0; i < kObjectCount; ++i) {
      CDrawObject* o = doc.NewObject();
      const int x = (i % 25) * 70, y = (i / 25) * 60;
      if (i % 2 == 0)
        o->CreateRectangle(x, y, x + kLayerSize - 4, y + kLayerSize - 4);
      else
        o->CreateCircle(x, y, x + kLayerSize - 4, y + kLayerSize - 4);
      PaintPicture(o->m_layer, 1000u + uint32_t(i));
    }
    rawFile = Store(false);
    packedFile = Store(true);
  }

  std::vector<uint8_t> Store(bool compress) {
    CArchive ar;
    App().m_compressBitmaps = compress;
    WriteProject(ar, doc, false);
    return ar.TakeBuffer();
  }
};

Corpus& GetCorpus() {
  static CAppContext context;
  static Corpus corpus;
  return corpus;
}

void ReportSizes(benchmark::State& state, size_t fileBytes) {
  state.SetBytesProcessed(state.iterations() * kRawBytes);
  state.counters["file_MiB"] = double(fileBytes) / (1024.0 * 1024.0);
  state.counters["ratio"] = double(kRawBytes) / double(fileBytes);
}

void BM_WriteProject(benchmark::State& state) {
  Corpus& corpus = GetCorpus();
  const bool compress = state.range(0) != 0;
  size_t fileBytes = 0;
  for (auto _ : state) {
    CArchive ar;
    App().m_compressBitmaps = compress;
    WriteProject(ar, corpus.doc, false);
    fileBytes = ar.Buffer().size();
    benchmark::DoNotOptimize(ar.Buffer().data());
  }
  ReportSizes(state, fileBytes);
}

void BM_ReadProject(benchmark::State& state) {
  Corpus& corpus = GetCorpus();
  const std::vector<uint8_t>& file = state.range(0) != 0 ? corpus.packedFile : corpus.rawFile;
  auto& messages = static_cast<CRecordingMessages&>(App().Messages());
  for (auto _ : state) {
    // The archive takes its own copy of the bytes; that copy is not the reader's work.
    state.PauseTiming();
    auto ar = std::make_unique<CArchive>(file);
    auto doc = std::make_unique<CVellumDoc>();
    messages.Clear();
    state.ResumeTiming();

    const LoadResult result = ReadProject(*ar, *doc);
    if (result != LoadResult::kLoaded || doc->ObjectCount() != kObjectCount) {
      state.SkipWithError("the project did not load");
      break;
    }

    state.PauseTiming();
    doc.reset();
    ar.reset();
    state.ResumeTiming();
  }
  ReportSizes(state, file.size());
}

// Plain zlib on the same layers, one compress() per 256 x 256 layer as the writer does.
void BM_ZlibCompress(benchmark::State& state) {
  Corpus& corpus = GetCorpus();
  std::vector<uint8_t> packed(kLayerBytes + size_t(kLayerBytes * 0.2) + 12);
  size_t total = 0;
  for (auto _ : state) {
    total = 0;
    for (const auto& o : corpus.doc.m_objects) {
      uLongf packedSize = uLongf(packed.size());
      compress2(packed.data(), &packedSize, o->m_layer.Bits(), kLayerBytes, Z_DEFAULT_COMPRESSION);
      total += packedSize;
      benchmark::DoNotOptimize(packed.data());
    }
  }
  ReportSizes(state, total);
}

void BM_ZlibUncompress(benchmark::State& state) {
  Corpus& corpus = GetCorpus();
  std::vector<std::vector<uint8_t>> layers;
  size_t total = 0;
  for (const auto& o : corpus.doc.m_objects) {
    std::vector<uint8_t> packed(kLayerBytes + size_t(kLayerBytes * 0.2) + 12);
    uLongf packedSize = uLongf(packed.size());
    compress2(packed.data(), &packedSize, o->m_layer.Bits(), kLayerBytes, Z_DEFAULT_COMPRESSION);
    packed.resize(packedSize);
    total += packedSize;
    layers.push_back(std::move(packed));
  }
  std::vector<uint8_t> pixels(kLayerBytes);
  for (auto _ : state) {
    for (const auto& packed : layers) {
      uLongf outSize = uLongf(pixels.size());
      if (uncompress(pixels.data(), &outSize, packed.data(), uLong(packed.size())) != Z_OK) {
        state.SkipWithError("uncompress failed");
        return;
      }
      benchmark::DoNotOptimize(pixels.data());
    }
  }
  ReportSizes(state, total);
}

// The floor under the raw paths: the pixels copied into one freshly allocated buffer,
// as the writer's archive and the reader's bitmaps receive them. On machines where
// touching new pages is slow this, not the file code, sets the raw MB/s.
void BM_CopyToFreshBuffer(benchmark::State& state) {
  Corpus& corpus = GetCorpus();
  for (auto _ : state) {
    std::vector<uint8_t> out(static_cast<size_t>(kRawBytes));
    uint8_t* p = out.data();
    for (const auto& o : corpus.doc.m_objects) {
      std::memcpy(p, o->m_layer.Bits(), kLayerBytes);
      p += kLayerBytes;
    }
    benchmark::DoNotOptimize(out.data());
  }
  ReportSizes(state, size_t(kRawBytes));
}

}  // namespace

BENCHMARK(BM_WriteProject)->ArgName("packed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadProject)->ArgName("packed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibCompress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibUncompress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyToFreshBuffer)->Unit(benchmark::kMillisecond);
