// The fast Gaussian blur. Both passes work on a chunk of one row at a time: a row of
// double accumulators is filled tap by tap (w(0)·v, then += w(i)·(left + right) for
// i = 1..k), which is the reference's order of summation for every single value, so
// the bytes are the same; the inner loops run over contiguous memory and vectorise.
// Rows are split into bands on separate threads (each band writes its own rows).
#include "filters/gaussian_blur.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "filters/gaussian_blur_common.h"
#include "filters/parallel_rows.h"

namespace tessel {

using namespace filters;

namespace {

// Values per chunk: a multiple of every pixel size from 1 to 4 bytes, small enough for
// the accumulators to stay in the first-level cache.
constexpr int kChunk = 960;
// Radii above this are treated as this (k = 2006 taps on each side).
constexpr double kMaxRadius = 1000.0;

// acc[j] = w0·c[j], then acc[j] += w(i)·(c[j − i·step] + c[j + i·step]) for i = 1..k.
// Compiled for AVX-512, AVX2 and the baseline; none fuses multiply and add, so all give
// the same doubles.
__attribute__((target_clones("avx512f", "avx2", "default"))) void AccumulateRow(double* acc, const int32_t* c, int len,
                                                                       int step, const double* weights, int k) {
  const double w0 = weights[0];
  for (int j = 0; j < len; ++j) acc[j] = w0 * double(c[j]);
  for (int i = 1; i <= k; ++i) {
    const double wi = weights[i];
    const int32_t* l = c - ptrdiff_t(i) * step;
    const int32_t* r = c + ptrdiff_t(i) * step;
    for (int j = 0; j < len; ++j) acc[j] += wi * double(l[j] + r[j]);
  }
}

// The same for a vertical pass: the pair of rows at distance i is looked up per tap.
__attribute__((target_clones("avx512f", "avx2", "default"))) void AccumulateColumn(double* acc, const uint8_t* const* rows,
                                                                          int len, const double* weights, int k) {
  const double w0 = weights[0];
  const uint8_t* c = rows[0];
  for (int j = 0; j < len; ++j) acc[j] = w0 * double(c[j]);
  for (int i = 1; i <= k; ++i) {
    const double wi = weights[i];
    const uint8_t* l = rows[2 * i - 1];
    const uint8_t* r = rows[2 * i];
    for (int j = 0; j < len; ++j) acc[j] += wi * double(int32_t(l[j]) + int32_t(r[j]));
  }
}

// Writes `pixels` pixels from firstPixel on: the first `channels` bytes of each from acc
// (`lanes` values per pixel), the other bytes of the out pixel (out is `outBpp` bytes a
// pixel) from the same pixel of `extra` (same layout as out) when given.
void StorePixels(uint8_t* out, int outBpp, const double* acc, int lanes, int firstPixel, int pixels, int channels,
                 const uint8_t* extra) {
  out += ptrdiff_t(firstPixel) * outBpp;
  if (outBpp == lanes && lanes == channels) {
    for (int j = 0; j < pixels * lanes; ++j) out[j] = SumToByte(acc[j]);
    return;
  }
  if (extra) extra += ptrdiff_t(firstPixel) * outBpp;
  for (int p = 0; p < pixels; ++p, out += outBpp, acc += lanes) {
    for (int c = 0; c < channels; ++c) out[c] = SumToByte(acc[c]);
    if (extra)
      for (int c = channels; c < outBpp; ++c) out[c] = extra[ptrdiff_t(p) * outBpp + c];
  }
}

// Horizontal pass over rows rowBegin..rowEnd − 1. Only the first `channels` bytes of
// each src pixel are summed (packed `channels` values a pixel); dst may be packed the
// same way (a temporary) or have src's layout, its other bytes then copied from src.
void HorizontalRows(const CBitmapView& src, const CBitmapView& dst, const CGaussianKernel& kernel, int channels,
                    int rowBegin, int rowEnd) {
  const int bpp = src.bytesPerPixel, k = kernel.halfWidth, w = src.width, lanes = channels;
  const int n = w * lanes;
  const bool copyExtra = dst.bytesPerPixel == bpp && bpp > channels;
  std::vector<int32_t> pad(size_t(w + 2 * k) * lanes);
  std::vector<double> acc(kChunk);
  for (int y = rowBegin; y < rowEnd; ++y) {
    const uint8_t* s = src.Row(y);
    // The row's channels with k copies of its first and last pixel on either side.
    int32_t* p = pad.data();
    for (int i = 0; i < k; ++i, p += lanes)
      for (int c = 0; c < lanes; ++c) p[c] = s[c];
    if (lanes == bpp) {
      for (int j = 0; j < n; ++j) p[j] = s[j];
    } else {
      for (int x = 0; x < w; ++x)
        for (int c = 0; c < lanes; ++c) p[x * lanes + c] = s[x * bpp + c];
    }
    p += n;
    const uint8_t* last = s + ptrdiff_t(w - 1) * bpp;
    for (int i = 0; i < k; ++i, p += lanes)
      for (int c = 0; c < lanes; ++c) p[c] = last[c];
    uint8_t* out = dst.Row(y);
    for (int j0 = 0; j0 < n; j0 += kChunk) {
      const int len = std::min(kChunk, n - j0);
      AccumulateRow(acc.data(), pad.data() + size_t(k) * lanes + j0, len, lanes, kernel.weights.data(), k);
      StorePixels(out, dst.bytesPerPixel, acc.data(), lanes, j0 / lanes, len / lanes, channels,
                  copyExtra ? s : nullptr);
    }
  }
}

// Vertical pass over rows rowBegin..rowEnd − 1: every byte of the src rows is summed;
// the first `channels` of each pixel go to dst, whose other bytes come from `extra`
// (a picture of dst's layout) or, when dst has src's layout, from src.
void VerticalRows(const CBitmapView& src, const CBitmapView& dst, const CGaussianKernel& kernel, int channels,
                  const CBitmapView* extra, int rowBegin, int rowEnd) {
  const int lanes = src.bytesPerPixel, k = kernel.halfWidth, h = src.height;
  const int n = src.width * lanes;
  std::vector<const uint8_t*> rows(size_t(2 * k + 1)), shifted(rows.size());
  std::vector<double> acc(kChunk);
  for (int y = rowBegin; y < rowEnd; ++y) {
    rows[0] = src.Row(y);
    for (int i = 1; i <= k; ++i) {
      rows[size_t(2 * i - 1)] = src.Row(std::max(y - i, 0));
      rows[size_t(2 * i)] = src.Row(std::min(y + i, h - 1));
    }
    const uint8_t* extraRow = extra ? extra->Row(y) : dst.bytesPerPixel == lanes ? rows[0] : nullptr;
    uint8_t* out = dst.Row(y);
    for (int j0 = 0; j0 < n; j0 += kChunk) {
      const int len = std::min(kChunk, n - j0);
      for (size_t r = 0; r < rows.size(); ++r) shifted[r] = rows[r] + j0;
      AccumulateColumn(acc.data(), shifted.data(), len, kernel.weights.data(), k);
      StorePixels(out, dst.bytesPerPixel, acc.data(), lanes, j0 / lanes, len / lanes, channels, extraRow);
    }
  }
}

}  // namespace

CGaussianKernel MakeGaussianKernel(double radius) {
  CGaussianKernel kernel;
  if (!(radius > 0.0)) {
    kernel.weights = {1.0};
    return kernel;
  }
  radius = std::min(radius, kMaxRadius);
  const double sigma = radius + 0.5;
  const int k = int((sigma + 1.5) * 2.0);
  std::vector<double> raw(size_t(2 * k + 1));
  double sum = 0.0;
  for (int i = -k; i <= k; ++i) {
    const double t = i / sigma;
    raw[size_t(i + k)] = std::exp(-0.5 * (t * t));
    sum += raw[size_t(i + k)];
  }
  kernel.halfWidth = k;
  kernel.weights.resize(size_t(k) + 1);
  for (int i = 0; i <= k; ++i) kernel.weights[size_t(i)] = raw[size_t(i + k)] / sum;
  return kernel;
}

bool GaussianPass(const CBitmapView& src, const CBitmapView& dst, const CGaussianKernel& kernel, bool horizontal,
                  int channels) {
  if (!PassArgsValid(src, dst, kernel, channels)) return false;
  ForEachBand(src.height, BandCount(src.width, src.height), [&](int begin, int end) {
    if (horizontal) HorizontalRows(src, dst, kernel, channels, begin, end);
    else VerticalRows(src, dst, kernel, channels, nullptr, begin, end);
  });
  return true;
}

bool GaussianBlurPlane(const CBitmapView& view, double radius, BlurAxes axes) {
  if (!ViewValid(view)) return false;
  if (!(radius > 0.0)) return true;
  const CGaussianKernel kernel = MakeGaussianKernel(radius);
  const int bpp = view.bytesPerPixel;
  std::vector<uint8_t> bytes(size_t(view.width) * bpp * size_t(view.height));
  const CBitmapView tmp{bytes.data(), ptrdiff_t(view.width) * bpp, view.width, view.height, bpp};
  if (axes != BlurAxes::kVertical) {
    CopyPicture(view, tmp);
    GaussianPass(tmp, view, kernel, true, bpp);
  }
  if (axes != BlurAxes::kHorizontal) {
    CopyPicture(view, tmp);
    GaussianPass(tmp, view, kernel, false, bpp);
  }
  return true;
}

bool GaussianFilter(GaussianMode mode, const CBitmapView& src, const CBitmapView& dst, double radius, double amount,
                    int threshold) {
  if (!ViewValid(src) || !ViewValid(dst) || !SameShape(src, dst) || Overlap(src, dst) || src.bytesPerPixel != 4)
    return false;
  if (!(radius > 0.0)) {
    CopyPicture(src, dst);
    return true;
  }
  amount = CapAmount(mode, amount);
  threshold = Clamp(threshold, 0, 255);
  const CGaussianKernel kernel = MakeGaussianKernel(radius);
  // The horizontal sums go to a packed three-byte picture; alpha comes from src at the end.
  std::vector<uint8_t> tmpBytes(size_t(src.width) * 3 * size_t(src.height));
  const CBitmapView tmp{tmpBytes.data(), ptrdiff_t(src.width) * 3, src.width, src.height, 3};
  const int bands = BandCount(src.width, src.height);
  // The horizontal pass must be complete before any vertical sum reads tmp.
  ForEachBand(src.height, bands, [&](int begin, int end) { HorizontalRows(src, tmp, kernel, 3, begin, end); });
  ForEachBand(src.height, bands, [&](int begin, int end) {
    VerticalRows(tmp, dst, kernel, 3, &src, begin, end);
    FinishGaussian(mode, src, dst, amount, threshold, begin, end);
  });
  return true;
}

}  // namespace tessel
