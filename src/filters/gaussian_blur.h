// The program's Gaussian blur: one separable routine for the "Gaussian Blur" and
// "Gaussian Sharpen (Unsharp Mask)" filters, the bevel's height field and every other
// soft edge.
//
//   σ = radius + 0.5, half width k = trunc((σ + 1.5) · 2),
//   w(i) = exp(−0.5 · (i/σ)²) for i = −k..k, divided by their sum.
//
// A pass replaces every channel value by the weighted sum of the 2k + 1 values around it
// along one axis (positions clamped to the picture), summed as
//   w(0)·v(0) + w(1)·(v(−1) + v(1)) + … + w(k)·(v(−k) + v(k))
// in double precision in exactly that order, clamped to 0..255 and truncated. The fast
// passes keep that order, so they give the same bytes as the plain reference passes.
#pragma once

#include <cstdint>
#include <vector>

#include "base/dib_section.h"

namespace tessel {

// Half width and weights of the blur of one radius.
struct CGaussianKernel {
  int halfWidth = 0;            // k; 0 for a radius that is not greater than 0
  std::vector<double> weights;  // w(0..k), normalised over −k..k; w(−i) = w(i)
};

// The kernel of a radius (an empty one, weights {1}, when radius <= 0).
CGaussianKernel MakeGaussianKernel(double radius);

enum class GaussianMode { kBlur, kSharpen };
enum class BlurAxes { kBoth, kHorizontal, kVertical };

// One pass along rows (horizontal) or columns: the first `channels` bytes of every
// pixel of dst become the blur of src; the other bytes are copied. src and dst have the
// same size and depth and do not overlap. Returns false (nothing written) otherwise.
bool GaussianPass(const CBitmapView& src, const CBitmapView& dst, const CGaussianKernel& kernel, bool horizontal,
                  int channels);
// The same, computed pixel by pixel: the reference the fast pass is tested against.
bool GaussianPassReference(const CBitmapView& src, const CBitmapView& dst, const CGaussianKernel& kernel,
                           bool horizontal, int channels);

// Blurs every byte of a picture in place along the given axes (the bevel's height
// field is a one-byte plane). Returns false for an empty view.
bool GaussianBlurPlane(const CBitmapView& view, double radius, BlurAxes axes);

// The filter of the Bitmap menu on 32-bit blue-green-red-alpha pixels; src and dst are
// separate pictures of the same size. dst becomes a copy of src, then, when the radius
// is greater than 0, its blue, green and red channels are blurred (both axes) and:
//  - blur: amount capped to 0..1; a channel whose source value is at least the
//    threshold becomes trunc(blurred · amount + source · (1 − amount)), others keep
//    the source value;
//  - sharpen: amount capped to 0..2; d = source − blurred, set to 0 when
//    max(2d, −2d) < threshold; out = clamp(trunc(d · amount + source)).
// The threshold is clamped to 0..255. Alpha is copied. Returns false for mismatched,
// empty, overlapping or non-32-bit views.
bool GaussianFilter(GaussianMode mode, const CBitmapView& src, const CBitmapView& dst, double radius, double amount,
                    int threshold);
// The same with the reference passes.
bool GaussianFilterReference(GaussianMode mode, const CBitmapView& src, const CBitmapView& dst, double radius,
                             double amount, int threshold);

}  // namespace tessel
