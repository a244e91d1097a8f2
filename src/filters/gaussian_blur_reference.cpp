// The plain Gaussian blur, one pixel and one channel at a time. It is the reference the
// fast passes of gaussian_blur.cpp are tested against; keep it simple.
#include <vector>

#include "filters/gaussian_blur.h"
#include "filters/gaussian_blur_common.h"

namespace tessel {

using namespace filters;

bool GaussianPassReference(const CBitmapView& src, const CBitmapView& dst, const CGaussianKernel& kernel,
                           bool horizontal, int channels) {
  if (!PassArgsValid(src, dst, kernel, channels)) return false;
  const int bpp = src.bytesPerPixel, k = kernel.halfWidth;
  auto at = [&](int x, int y, int c) -> int {
    return src.Row(Clamp(y, 0, src.height - 1))[Clamp(x, 0, src.width - 1) * bpp + c];
  };
  for (int y = 0; y < src.height; ++y)
    for (int x = 0; x < src.width; ++x)
      for (int c = 0; c < bpp; ++c) {
        uint8_t& out = dst.Row(y)[x * bpp + c];
        if (c >= channels) {
          out = src.Row(y)[x * bpp + c];
          continue;
        }
        double sum = kernel.weights[0] * at(x, y, c);
        for (int i = 1; i <= k; ++i) {
          const int pair = horizontal ? at(x - i, y, c) + at(x + i, y, c) : at(x, y - i, c) + at(x, y + i, c);
          sum += kernel.weights[size_t(i)] * double(pair);
        }
        out = SumToByte(sum);
      }
  return true;
}

bool GaussianFilterReference(GaussianMode mode, const CBitmapView& src, const CBitmapView& dst, double radius,
                             double amount, int threshold) {
  if (!ViewValid(src) || !ViewValid(dst) || !SameShape(src, dst) || Overlap(src, dst) || src.bytesPerPixel != 4)
    return false;
  CopyPicture(src, dst);
  if (!(radius > 0.0)) return true;
  amount = CapAmount(mode, amount);
  threshold = Clamp(threshold, 0, 255);
  const CGaussianKernel kernel = MakeGaussianKernel(radius);
  std::vector<uint8_t> tmpBytes(size_t(src.width) * 4 * size_t(src.height));
  const CBitmapView tmp{tmpBytes.data(), ptrdiff_t(src.width) * 4, src.width, src.height, 4};
  GaussianPassReference(src, tmp, kernel, true, 3);
  GaussianPassReference(tmp, dst, kernel, false, 3);
  FinishGaussian(mode, src, dst, amount, threshold, 0, src.height);
  return true;
}

}  // namespace tessel
