// Splitting the rows of a picture into bands run on separate threads. Each band writes
// only its own rows, so the result is the same bytes as a single sequential run.
#pragma once

#include <algorithm>
#include <thread>
#include <vector>

namespace tessel::filters {

// Pictures with fewer pixels than this run on the calling thread alone.
constexpr long kParallelMinPixels = 1 << 16;
// At most this many bands.
constexpr int kMaxBands = 8;

// The number of bands for a picture of width × height pixels.
inline int BandCount(int width, int height) {
  if (long(width) * height < kParallelMinPixels || height < 2) return 1;
  const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
  return std::min({cores, kMaxBands, height});
}

// Calls band(begin, end) for contiguous row ranges covering 0..rows − 1, on `bands`
// threads (the calling thread takes the last range).
template <class F>
void ForEachBand(int rows, int bands, const F& band) {
  if (bands <= 1 || rows < 2) {
    band(0, rows);
    return;
  }
  std::vector<std::thread> threads;
  threads.reserve(size_t(bands - 1));
  for (int b = 0; b < bands - 1; ++b) {
    const int begin = int(long(rows) * b / bands), end = int(long(rows) * (b + 1) / bands);
    threads.emplace_back([&band, begin, end] { band(begin, end); });
  }
  band(int(long(rows) * (bands - 1) / bands), rows);
  for (std::thread& t : threads) t.join();
}

}  // namespace tessel::filters
