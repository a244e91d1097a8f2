// Pieces shared by the fast and the reference Gaussian blur: argument checks, the
// finishing step of the blur and sharpen filters. Private to src/filters.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/dib_section.h"
#include "filters/filter_math.h"
#include "filters/gaussian_blur.h"

namespace tessel::filters {

inline bool ViewValid(const CBitmapView& v) {
  return v.data && v.width > 0 && v.height > 0 && v.bytesPerPixel > 0 && v.stride >= ptrdiff_t(v.width) * v.bytesPerPixel;
}

inline bool SameShape(const CBitmapView& a, const CBitmapView& b) {
  return a.width == b.width && a.height == b.height && a.bytesPerPixel == b.bytesPerPixel;
}

inline bool Overlap(const CBitmapView& a, const CBitmapView& b) {
  const uint8_t* a0 = a.data;
  const uint8_t* a1 = a.data + a.stride * (a.height - 1) + ptrdiff_t(a.width) * a.bytesPerPixel;
  const uint8_t* b0 = b.data;
  const uint8_t* b1 = b.data + b.stride * (b.height - 1) + ptrdiff_t(b.width) * b.bytesPerPixel;
  return a0 < b1 && b0 < a1;
}

inline bool PassArgsValid(const CBitmapView& src, const CBitmapView& dst, const CGaussianKernel& kernel, int channels) {
  return ViewValid(src) && ViewValid(dst) && SameShape(src, dst) && !Overlap(src, dst) && channels >= 0 &&
         channels <= src.bytesPerPixel && kernel.weights.size() == size_t(kernel.halfWidth) + 1;
}

// A weighted sum clamped to 0..255 and truncated. The normalised weights add up to a
// hair under 1, so a flat 200 would sum to 199.99999999999997; the slack keeps flat
// areas flat instead of darkening them by one with every pass.
constexpr double kSumSlack = 1e-7;
inline uint8_t SumToByte(double sum) {
  sum += kSumSlack;
  return sum <= 0.0 ? 0 : sum >= 255.0 ? 255 : uint8_t(sum);
}

inline void CopyPicture(const CBitmapView& src, const CBitmapView& dst) {
  const size_t bytes = size_t(src.width) * src.bytesPerPixel;
  for (int y = 0; y < src.height; ++y) std::memcpy(dst.Row(y), src.Row(y), bytes);
}

// The last step of the filters: dst holds the blurred picture (blue, green, red) and
// becomes the blend (blur) or the unsharp mask (sharpen) of it with src. Rows
// rowBegin..rowEnd − 1 only.
inline void FinishGaussian(GaussianMode mode, const CBitmapView& src, const CBitmapView& dst, double amount,
                           int threshold, int rowBegin, int rowEnd) {
  const int w = src.width;
  if (mode == GaussianMode::kBlur) {
    const double keep = 1.0 - amount;
    for (int y = rowBegin; y < rowEnd; ++y) {
      const uint8_t* s = src.Row(y);
      uint8_t* d = dst.Row(y);
      for (int x = 0; x < w; ++x, s += 4, d += 4)
        for (int c = 0; c < 3; ++c)
          d[c] = s[c] >= threshold ? uint8_t(TruncToInt(d[c] * amount + s[c] * keep)) : s[c];
    }
  } else {
    for (int y = rowBegin; y < rowEnd; ++y) {
      const uint8_t* s = src.Row(y);
      uint8_t* d = dst.Row(y);
      for (int x = 0; x < w; ++x, s += 4, d += 4)
        for (int c = 0; c < 3; ++c) {
          int32_t diff = int32_t(s[c]) - d[c];
          if (std::max(2 * diff, -2 * diff) < threshold) diff = 0;
          d[c] = ClampChannel(TruncToInt(diff * amount + s[c]));
        }
    }
  }
}

inline double CapAmount(GaussianMode mode, double amount) {
  const double cap = mode == GaussianMode::kBlur ? 1.0 : 2.0;
  return amount > cap ? cap : amount > 0.0 ? amount : 0.0;  // NaN becomes 0
}

}  // namespace tessel::filters
