// "Simple Sharpen", "Sharpen More" and "Soft Blur": the 3 × 3 filters. Neighbours outside
// the picture are the edge pixel itself (the first row is its own row above, the last
// column its own right neighbour, and so on).
#include "base/dib_section.h"
#include "filters/bitmap_filters.h"
#include "filters/filter_math.h"
#include "filters/gaussian_blur_common.h"

namespace tessel {

using namespace filters;

namespace {

bool Args3x3Valid(const CBitmapView& src, const CBitmapView& dst) {
  return ViewValid(src) && ViewValid(dst) && src.data != dst.data && SameShape(src, dst) &&
         (src.bytesPerPixel == 3 || src.bytesPerPixel == 4);
}

// Calls out(c, sum8) for every pixel and each of the first three channels, with sum8
// the sum of the channel's eight neighbours; out returns the new value.
template <class F>
void Each3x3(const CBitmapView& src, const CBitmapView& dst, const F& out) {
  const int w = src.width, h = src.height, bpp = src.bytesPerPixel;
  for (int y = 0; y < h; ++y) {
    const uint8_t* up = src.Row(y > 0 ? y - 1 : 0);
    const uint8_t* mid = src.Row(y);
    const uint8_t* down = src.Row(y < h - 1 ? y + 1 : h - 1);
    uint8_t* d = dst.Row(y);
    for (int x = 0; x < w; ++x) {
      const int o = x * bpp;
      const int l = x > 0 ? o - bpp : o;
      const int r = x < w - 1 ? o + bpp : o;
      for (int c = 0; c < 3; ++c) {
        const int32_t sum8 = up[l + c] + up[o + c] + up[r + c] + mid[l + c] + mid[r + c] + down[l + c] +
                             down[o + c] + down[r + c];
        d[o + c] = out(int32_t(mid[o + c]), sum8);
      }
    }
  }
}

}  // namespace

bool Sharpen3x3(const CBitmapView& src, const CBitmapView& dst, int amount) {
  if (!Args3x3Valid(src, dst)) return false;
  const double f = Clamp(amount, 0, 100) * 0.005;
  Each3x3(src, dst, [f](int32_t c, int32_t sum8) {
    const int32_t laplace = sum8 - 8 * c;
    return SumToByte(c - laplace * f);
  });
  return true;
}

bool Blur3x3(const CBitmapView& src, const CBitmapView& dst, int amount) {
  if (!Args3x3Valid(src, dst)) return false;
  const double f = Clamp(amount, 0, 100) * 0.01;
  const double keep = 1.0 - f;
  Each3x3(src, dst, [f, keep](int32_t c, int32_t sum8) {
    const int32_t m = sum8 / 8;
    return uint8_t(TruncToInt(m * f + c * keep));
  });
  return true;
}

}  // namespace tessel
