#include "render/bilinear_resize.h"

#include <algorithm>
#include <vector>

#include "base/dib_section.h"

namespace tessel {

namespace {
// Where a destination column or row samples the source: the lower neighbour, the upper
// one and the weight of the upper one.
struct Tap {
  int lo, hi;
  double w;
};

std::vector<Tap> Taps(int srcSize, int destSize) {
  std::vector<Tap> taps(static_cast<size_t>(destSize));
  const double step = double(srcSize) / destSize;
  for (int i = 0; i < destSize; ++i) {
    const double f = std::clamp((i + 0.5) * step - 0.5, 0.0, double(srcSize - 1));
    const int lo = int(f);
    taps[size_t(i)] = {lo, std::min(lo + 1, srcSize - 1), f - lo};
  }
  return taps;
}
}  // namespace

void ResizeBilinear32(const CDIBSection& src, CDIBSection& dest) {
  if (src.IsEmpty() || dest.IsEmpty() || src.BitsPerPixel() != 32 || dest.BitsPerPixel() != 32) return;
  const std::vector<Tap> cols = Taps(src.Width(), dest.Width());
  const std::vector<Tap> rows = Taps(src.Height(), dest.Height());
  for (int y = 0; y < dest.Height(); ++y) {
    const Tap& ty = rows[size_t(y)];
    const uint8_t* r0 = src.RowFromTop(ty.lo);
    const uint8_t* r1 = src.RowFromTop(ty.hi);
    uint8_t* d = dest.RowFromTop(y);
    for (const Tap& tx : cols) {
      for (int c = 0; c < 4; ++c) {
        const double top = r0[4 * tx.lo + c] * (1 - tx.w) + r0[4 * tx.hi + c] * tx.w;
        const double bottom = r1[4 * tx.lo + c] * (1 - tx.w) + r1[4 * tx.hi + c] * tx.w;
        d[c] = uint8_t(top * (1 - ty.w) + bottom * ty.w + 0.5);
      }
      d += 4;
    }
  }
}

}  // namespace tessel
