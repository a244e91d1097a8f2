// "Oil Painting": the 9 × 9 mode filter.
//
// The fast form slides three histograms along each row: a step removes the column that
// leaves the window and adds the one that enters. The mode (highest count, smaller value
// on ties) only needs a search over the window's values when the old mode lost a
// count; otherwise each added value is compared with it.
#include <algorithm>
#include <array>
#include <cstring>

#include "base/dib_section.h"
#include "filters/bitmap_filters.h"
#include "filters/gaussian_blur_common.h"
#include "filters/parallel_rows.h"

namespace tessel {

using namespace filters;

namespace {

constexpr int kReach = 4;  // the window is (2·4 + 1)² pixels

bool OilArgsValid(const CBitmapView& src, const CBitmapView& dst) {
  return ViewValid(src) && ViewValid(dst) && SameShape(src, dst) && !Overlap(src, dst) && src.bytesPerPixel == 4;
}

// The mode of one channel, kept up to date as values enter and leave.
struct CModeTracker {
  std::array<uint16_t, 256> count{};
  int mode = 0;
  bool stale = false;  // the mode lost a count: search again

  void Clear() {
    count.fill(0);
    mode = 0;
    stale = false;
  }
  bool Better(int v) const { return count[v] > count[mode] || (count[v] == count[mode] && v < mode); }
  void Add(int v) {
    ++count[size_t(v)];
    if (!stale && Better(v)) mode = v;
  }
  void Remove(int v) {
    --count[size_t(v)];
    if (v == mode) stale = true;
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
      const int x0 = std::max(0, x - kReach), x1 = std::min(w - 1, x + kReach);
      for (int c = 0; c < 3; ++c) {
        CModeTracker& t = channel[c];
        if (t.stale) {
          // Search the window's own values (at most 81) rather than all 256 bins.
          t.stale = false;
          t.mode = src.Row(y0)[x0 * 4 + c];
          for (int yy = y0; yy <= y1; ++yy) {
            const uint8_t* p = src.Row(yy);
            for (int xx = x0; xx <= x1; ++xx)
              if (t.Better(p[xx * 4 + c])) t.mode = p[xx * 4 + c];
          }
        }
        out[x * 4 + c] = uint8_t(t.mode);
      }
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
