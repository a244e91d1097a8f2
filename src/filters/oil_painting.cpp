// "Oil Painting": the 9 × 9 mode filter.
//
// The fast form slides three histograms along each row: a step removes the column that
// leaves the window and adds the one that enters, and the highest count is kept up to
// date from the number of values holding each count.
#include <algorithm>
#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "base/dib_section.h"
#include "filters/bitmap_filters.h"
#include "filters/gaussian_blur_common.h"
#include "filters/parallel_rows.h"

namespace tessel {

using namespace filters;

namespace {

constexpr int kReach = 4;  // the window is (2·4 + 1)² pixels
constexpr int kWindow = (2 * kReach + 1) * (2 * kReach + 1);

bool OilArgsValid(const CBitmapView& src, const CBitmapView& dst) {
  return ViewValid(src) && ViewValid(dst) && SameShape(src, dst) && !Overlap(src, dst) && src.bytesPerPixel == 4;
}

// The counts of one channel's values in the window, and how many values have each
// count, so that the highest count is always known; the mode is then the first value
// holding that count (a 16-byte compare per step).
struct CModeTracker {
  alignas(16) uint8_t count[256];
  uint8_t withCount[kWindow + 1];
  int maxCount = 0;

  void Clear() {
    std::memset(count, 0, sizeof count);
    std::memset(withCount, 0, sizeof withCount);
    withCount[0] = 255;  // saturating is harmless: count 0 is never the maximum asked for
    maxCount = 0;
  }
  void Add(int v) {
    const int c = count[v]++;
    --withCount[c];
    ++withCount[c + 1];
    if (c + 1 > maxCount) maxCount = c + 1;
  }
  void Remove(int v) {
    const int c = count[v]--;
    --withCount[c];
    ++withCount[c - 1];
    if (c == maxCount && withCount[c] == 0) maxCount = c - 1;
  }
  // The smallest value with the highest count.
  int Mode() const {
#if defined(__SSE2__)
    const __m128i needle = _mm_set1_epi8(char(maxCount));
    for (int i = 0; i < 256; i += 16) {
      const int hits = _mm_movemask_epi8(
          _mm_cmpeq_epi8(_mm_load_si128(reinterpret_cast<const __m128i*>(count + i)), needle));
      if (hits) return i + __builtin_ctz(unsigned(hits));
    }
    return 0;
#else
    for (int v = 0; v < 256; ++v)
      if (count[v] == maxCount) return v;
    return 0;
#endif
  }
};

void OilRows(const CBitmapView& src, const CBitmapView& dst, int rowBegin, int rowEnd) {
  const int w = src.width, h = src.height;
  CModeTracker channel[3];
  for (int y = rowBegin; y < rowEnd; ++y) {
    const int y0 = std::max(0, y - kReach), y1 = std::min(h - 1, y + kReach);
    for (CModeTracker& t : channel) t.Clear();
    auto column = [&](int x, bool add) {
      for (int yy = y0; yy <= y1; ++yy) {
        const uint8_t* p = src.Row(yy) + x * 4;
        for (int c = 0; c < 3; ++c) add ? channel[c].Add(p[c]) : channel[c].Remove(p[c]);
      }
    };
    for (int x = 0; x <= std::min(w - 1, kReach); ++x) column(x, true);
    uint8_t* out = dst.Row(y);
    const uint8_t* in = src.Row(y);
    for (int x = 0; x < w; ++x) {
      if (x > 0) {
        if (x - kReach - 1 >= 0) column(x - kReach - 1, false);
        if (x + kReach < w) column(x + kReach, true);
      }
      for (int c = 0; c < 3; ++c) out[x * 4 + c] = uint8_t(channel[c].Mode());
      out[x * 4 + 3] = in[x * 4 + 3];
    }
  }
}

}  // namespace

bool OilPaint(const CBitmapView& src, const CBitmapView& dst) {
  if (!OilArgsValid(src, dst)) return false;
  ForEachBand(src.height, BandCount(src.width, src.height),
              [&](int begin, int end) { OilRows(src, dst, begin, end); });
  return true;
}

bool OilPaintReference(const CBitmapView& src, const CBitmapView& dst) {
  if (!OilArgsValid(src, dst)) return false;
  for (int y = 0; y < src.height; ++y)
    for (int x = 0; x < src.width; ++x) {
      int hist[3][256];
      std::memset(hist, 0, sizeof hist);
      for (int yy = y - kReach; yy <= y + kReach; ++yy)
        for (int xx = x - kReach; xx <= x + kReach; ++xx) {
          if (yy < 0 || yy >= src.height || xx < 0 || xx >= src.width) continue;
          for (int c = 0; c < 3; ++c) ++hist[c][src.Row(yy)[xx * 4 + c]];
        }
      for (int c = 0; c < 3; ++c) {
        int best = 0;
        for (int v = 1; v < 256; ++v)
          if (hist[c][v] > hist[c][best]) best = v;
        dst.Row(y)[x * 4 + c] = uint8_t(best);
      }
      dst.Row(y)[x * 4 + 3] = src.Row(y)[x * 4 + 3];
    }
  return true;
}

}  // namespace tessel
