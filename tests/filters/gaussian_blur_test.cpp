// The shared Gaussian blur: kernel, exact sums, fast passes against the reference, the
// blur and sharpen filters' thresholds and amounts.
#include "filters/gaussian_blur.h"

#include <gtest/gtest.h>

#include <cmath>

#include "filters/filter_test_util.h"

namespace tessel {
namespace {

using test::NoisePicture;
using test::PhotoLikePicture;
using test::Px;
using test::SolidPicture;

TEST(GaussianKernel, HalfWidthAndNormalisedWeights) {
  // k = trunc((radius + 0.5 + 1.5) · 2).
  EXPECT_EQ(MakeGaussianKernel(0.5).halfWidth, 5);
  EXPECT_EQ(MakeGaussianKernel(1.0).halfWidth, 6);
  EXPECT_EQ(MakeGaussianKernel(2.0).halfWidth, 8);
  EXPECT_EQ(MakeGaussianKernel(10.0).halfWidth, 24);
  EXPECT_EQ(MakeGaussianKernel(32.0).halfWidth, 68);
  EXPECT_EQ(MakeGaussianKernel(0.0).halfWidth, 0);
  EXPECT_EQ(MakeGaussianKernel(-3.0).weights, std::vector<double>{1.0});

  // Radius 1: σ = 1.5, w(i) = exp(−0.5 (i/1.5)²) / Σ over −6..6.
  const CGaussianKernel k1 = MakeGaussianKernel(1.0);
  ASSERT_EQ(k1.weights.size(), 7u);
  EXPECT_NEAR(k1.weights[0], 0.2659642571610709, 1e-15);
  EXPECT_NEAR(k1.weights[1], 0.212967528547854, 1e-15);
  EXPECT_NEAR(k1.weights[6], 8.922106863539231e-05, 1e-18);
  const CGaussianKernel k10 = MakeGaussianKernel(10.0);
  EXPECT_NEAR(k10.weights[0], 0.03875346788026556, 1e-15);
  EXPECT_NEAR(k10.weights[24], 0.0028433284276909087, 1e-16);
  for (const double r : {0.5, 1.0, 2.0, 10.0, 32.0}) {
    const CGaussianKernel k = MakeGaussianKernel(r);
    double sum = k.weights[0];
    for (int i = 1; i <= k.halfWidth; ++i) {
      sum += 2 * k.weights[size_t(i)];
      EXPECT_LT(k.weights[size_t(i)], k.weights[size_t(i - 1)]);
    }
    EXPECT_NEAR(sum, 1.0, 1e-12) << r;
  }
}

TEST(GaussianPass, ImpulseGivesTruncatedWeights) {
  // One row with a 255 in the middle: every other tap adds 0, so out(x) = trunc(255 ·
  // w(|x − 10|)) for radius 1: 255 · 0.26596 = 67.8, 255 · 0.21297 = 54.3, then 27, 9,
  // 1 and 0 beyond.
  CDIBSection src = SolidPicture(21, 1, 0, 0, 0, 9);
  Px(src, 10, 0)[0] = 255;
  CDIBSection dst = SolidPicture(21, 1, 1, 1, 1, 1);
  ASSERT_TRUE(GaussianPass(src.View(), dst.View(), MakeGaussianKernel(1.0), true, 3));
  const int expected[] = {0, 0, 0, 0, 0, 0, 1, 9, 27, 54, 67, 54, 27, 9, 1, 0, 0, 0, 0, 0, 0};
  for (int x = 0; x < 21; ++x) {
    EXPECT_EQ(Px(dst, x, 0)[0], expected[x]) << x;
    EXPECT_EQ(Px(dst, x, 0)[3], 9);  // bytes beyond the channels are copied
  }
}

TEST(GaussianPass, EdgesRepeatTheOutermostPixel) {
  // A flat 200 picture stays 200, although 200 · (w0 + 2w1 + … + 2wk) is
  // 199.99999999999997 in double precision; one pixel wide or tall makes no difference.
  for (const auto& [w, h] : {std::pair{1, 1}, std::pair{1, 9}, std::pair{9, 1}, std::pair{5, 4}}) {
    CDIBSection src = SolidPicture(w, h, 200, 200, 200);
    CDIBSection dst = SolidPicture(w, h, 0, 0, 0);
    ASSERT_TRUE(GaussianPass(src.View(), dst.View(), MakeGaussianKernel(1.0), true, 3));
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) ASSERT_EQ(Px(dst, x, y)[1], 200);
  }
  // 255 sums to 255.00000000000003 and stays 255 (clamped).
  CDIBSection white = SolidPicture(3, 3, 255, 255, 255), out = SolidPicture(3, 3, 0, 0, 0);
  GaussianPass(white.View(), out.View(), MakeGaussianKernel(1.0), false, 3);
  EXPECT_EQ(Px(out, 1, 1)[2], 255);
}

TEST(GaussianPass, FastEqualsReferenceByteForByte) {
  // Sizes below and above the threshold for banding, odd widths, radii across scales,
  // one-byte planes and 32-bit pictures.
  // One-pixel-wide and one-pixel-tall pictures, and an odd size above the banding
  // threshold whose rows end inside a vector of every width.
  for (const auto& [w, h] : {std::pair{1, 1}, std::pair{3, 70}, std::pair{257, 300}, std::pair{400, 190},
                             std::pair{1, 257}, std::pair{257, 1}, std::pair{1, 65536}, std::pair{263, 259}}) {
    const CDIBSection src = NoisePicture(w, h, uint32_t(w * 31 + h));
    for (const double radius : {0.3, 1.0, 2.5, 10.0, 40.0})
      for (const bool horizontal : {true, false}) {
        CDIBSection fast = SolidPicture(w, h, 0, 0, 0), ref = SolidPicture(w, h, 0, 0, 0);
        CDIBSection s = src.Clone();
        const CGaussianKernel k = MakeGaussianKernel(radius);
        ASSERT_TRUE(GaussianPass(s.View(), fast.View(), k, horizontal, 3));
        ASSERT_TRUE(GaussianPassReference(s.View(), ref.View(), k, horizontal, 3));
        ASSERT_TRUE(fast == ref) << w << "x" << h << " r" << radius << " h" << horizontal;
      }
  }
  // One-byte planes (the bevel's height field), odd and one pixel wide or tall.
  std::mt19937 rng(5);
  for (const auto& [w, h] : {std::pair{301, 257}, std::pair{1, 333}, std::pair{333, 1}, std::pair{263, 259}}) {
    std::vector<uint8_t> plane(size_t(w) * h), a(plane.size()), b(plane.size());
    for (uint8_t& v : plane) v = uint8_t(rng() >> 24);
    const CBitmapView src{plane.data(), w, w, h, 1};
    const CBitmapView fa{a.data(), w, w, h, 1}, fb{b.data(), w, w, h, 1};
    for (const double radius : {3.0, 30.0})
      for (const bool horizontal : {true, false}) {
        ASSERT_TRUE(GaussianPass(src, fa, MakeGaussianKernel(radius), horizontal, 1));
        ASSERT_TRUE(GaussianPassReference(src, fb, MakeGaussianKernel(radius), horizontal, 1));
        EXPECT_EQ(a, b) << w << "x" << h << " r" << radius << " h" << horizontal;
      }
  }
}

TEST(GaussianPass, RefusesBadViews) {
  CDIBSection a = SolidPicture(4, 4, 1, 2, 3), b = SolidPicture(4, 5, 1, 2, 3);
  const CGaussianKernel k = MakeGaussianKernel(1.0);
  EXPECT_FALSE(GaussianPass(a.View(), b.View(), k, true, 3));
  EXPECT_FALSE(GaussianPass(a.View(), a.View(), k, true, 3));
  EXPECT_FALSE(GaussianPass(a.View(), CBitmapView{}, k, true, 3));
  CDIBSection c = SolidPicture(4, 4, 1, 2, 3);
  EXPECT_FALSE(GaussianPass(a.View(), c.View(), k, true, 5));
  EXPECT_FALSE(GaussianFilter(GaussianMode::kBlur, a.View(), a.View(), 1.0, 1.0, 0));
}

TEST(GaussianBlurPlane, BothAxesEqualTwoPasses) {
  std::vector<uint8_t> plane(size_t(40) * 30);
  for (size_t i = 0; i < plane.size(); ++i) plane[i] = uint8_t(i * 37 % 251);
  std::vector<uint8_t> expected = plane, tmp(plane.size());
  const CBitmapView e{expected.data(), 40, 40, 30, 1}, t{tmp.data(), 40, 40, 30, 1};
  GaussianPassReference(e, t, MakeGaussianKernel(2.0), true, 1);
  GaussianPassReference(t, e, MakeGaussianKernel(2.0), false, 1);
  const CBitmapView v{plane.data(), 40, 40, 30, 1};
  ASSERT_TRUE(GaussianBlurPlane(v, 2.0, BlurAxes::kBoth));
  EXPECT_EQ(plane, expected);

  // One axis only: a picture of equal columns is unchanged by a vertical blur except for
  // the truncation of the sums.
  std::vector<uint8_t> columns(size_t(8) * 8);
  for (size_t i = 0; i < columns.size(); ++i) columns[i] = uint8_t(i % 8 == 3 ? 255 : 0);
  GaussianBlurPlane(CBitmapView{columns.data(), 8, 8, 8, 1}, 1.0, BlurAxes::kVertical);
  for (size_t i = 0; i < columns.size(); ++i) EXPECT_EQ(columns[i], i % 8 == 3 ? 255 : 0);
}

TEST(GaussianFilter, FastEqualsReferenceOnPhotos) {
  const CDIBSection photo = PhotoLikePicture(320, 240, 3);
  for (const GaussianMode mode : {GaussianMode::kBlur, GaussianMode::kSharpen})
    for (const double radius : {0.0, 1.0, 4.2})
      for (const int threshold : {0, 40}) {
        CDIBSection src = photo.Clone(), fast = SolidPicture(320, 240, 0, 0, 0), ref = fast.Clone();
        ASSERT_TRUE(GaussianFilter(mode, src.View(), fast.View(), radius, 0.7, threshold));
        ASSERT_TRUE(GaussianFilterReference(mode, src.View(), ref.View(), radius, 0.7, threshold));
        ASSERT_TRUE(fast == ref) << int(mode) << " r" << radius << " t" << threshold;
        EXPECT_TRUE(test::SameAlpha(fast, photo));
      }
}

TEST(GaussianFilter, RadiusZeroCopiesAndThresholdsSelectChannels) {
  CDIBSection src = NoisePicture(30, 20, 8), dst = SolidPicture(30, 20, 0, 0, 0);
  ASSERT_TRUE(GaussianFilter(GaussianMode::kBlur, src.View(), dst.View(), 0.0, 1.0, 0));
  EXPECT_TRUE(dst == src);

  // Threshold 255: only channels whose source value is 255 may change.
  CDIBSection mixed = NoisePicture(30, 20, 9);
  for (int y = 0; y < 20; y += 3) Px(mixed, 5, y)[1] = 255;
  ASSERT_TRUE(GaussianFilter(GaussianMode::kBlur, mixed.View(), dst.View(), 2.0, 1.0, 255));
  int changed = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x)
      for (int c = 0; c < 3; ++c) {
        const uint8_t s = Px(mixed, x, y)[c], d = Px(dst, x, y)[c];
        if (s != 255) {
          ASSERT_EQ(d, s);
        }
        changed += s != d;
      }
  EXPECT_GT(changed, 0);

  // Blur amount is capped at 1: 5 acts as 1.
  CDIBSection one = dst.Clone(), five = dst.Clone();
  GaussianFilter(GaussianMode::kBlur, mixed.View(), one.View(), 2.0, 1.0, 0);
  GaussianFilter(GaussianMode::kBlur, mixed.View(), five.View(), 2.0, 5.0, 0);
  EXPECT_TRUE(one == five);
}

TEST(GaussianFilter, SharpenAmountAndDoubledThreshold) {
  // A flat picture has nothing to sharpen, whatever the amount.
  CDIBSection src = SolidPicture(1, 1, 100, 100, 100, 7), dst = SolidPicture(1, 1, 0, 0, 0);
  ASSERT_TRUE(GaussianFilter(GaussianMode::kSharpen, src.View(), dst.View(), 1.0, 1.5, 0));
  EXPECT_EQ(Px(dst, 0, 0)[0], 100);
  EXPECT_EQ(Px(dst, 0, 0)[3], 7);

  // A spike of 160 on 100: with threshold 0 the spike and its neighbours change; the
  // threshold compares twice the difference, so 2 * 60 = 120 < 121 keeps even the spike.
  CDIBSection spike = SolidPicture(9, 9, 100, 100, 100), out = SolidPicture(9, 9, 0, 0, 0);
  Px(spike, 4, 4)[0] = 160;
  ASSERT_TRUE(GaussianFilter(GaussianMode::kSharpen, spike.View(), out.View(), 1.0, 1.0, 0));
  EXPECT_GT(Px(out, 4, 4)[0], 160);
  EXPECT_LT(Px(out, 3, 4)[0], 100);
  ASSERT_TRUE(GaussianFilter(GaussianMode::kSharpen, spike.View(), out.View(), 1.0, 1.0, 121));
  EXPECT_TRUE(out == spike);
  // The amount is capped at 2: 9 acts as 2.
  CDIBSection two = out.Clone(), nine = out.Clone();
  GaussianFilter(GaussianMode::kSharpen, spike.View(), two.View(), 1.0, 2.0, 0);
  GaussianFilter(GaussianMode::kSharpen, spike.View(), nine.View(), 1.0, 9.0, 0);
  EXPECT_TRUE(two == nine);

  // Amount 0 leaves the picture unchanged.
  CDIBSection photo = PhotoLikePicture(60, 40, 1), result = SolidPicture(60, 40, 0, 0, 0);
  ASSERT_TRUE(GaussianFilter(GaussianMode::kSharpen, photo.View(), result.View(), 3.0, 0.0, 0));
  EXPECT_TRUE(result == photo);
}

}  // namespace
}  // namespace tessel
