// Mutaflux pattern speed: every gene at an object size of 1800 × 1500 pixels and at the
// breeding dialog's preview size of 140 × 100, through Generate (the kernels) and, for
// the preview, through GenerateReference (the plain per-pixel form) for comparison.
// Items processed are pixels.
//
//   build-bench/bench/mutaflux_bench [--benchmark_filter=Preview]
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "mutaflux/mutaflux_generator.h"

using namespace tessel;

namespace {

// Parameters that keep every gene busy: mixed bits in P2 and P6 between 90 and 181, so
// gene 0 takes its angle-offset branch.
constexpr CMutafluxWords kWords{0x00A73C5E, 0x00D2418B, 0x00C96F};

void RunGene(benchmark::State& state, int width, int height, bool reference) {
  std::vector<uint8_t> pixels(size_t(width) * size_t(height) * 4, 255);
  MutafluxGenerator gen;
  gen.SetTarget(pixels.data(), width, height);
  gen.SetParams(kWords);
  gen.SetGene(int32_t(state.range(0)));
  gen.Generate();  // builds the sine table outside the timing
  for (auto _ : state) {
    reference ? gen.GenerateReference() : gen.Generate();
    benchmark::DoNotOptimize(pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * int64_t(width) * height);
}

void BM_Pattern1800x1500(benchmark::State& state) { RunGene(state, 1800, 1500, false); }
void BM_Preview140x100(benchmark::State& state) { RunGene(state, 140, 100, false); }
void BM_Preview140x100Reference(benchmark::State& state) { RunGene(state, 140, 100, true); }

}  // namespace

BENCHMARK(BM_Pattern1800x1500)->DenseRange(0, 13)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Preview140x100)->DenseRange(0, 13)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Preview140x100Reference)->DenseRange(0, 13)->Unit(benchmark::kMicrosecond);
