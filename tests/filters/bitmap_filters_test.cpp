// The Bitmap menu's filters: hand-worked pixels of the 3 × 3 filters, oil painting,
// levels and colour boost, and the behaviour of our own adjustments.
#include "filters/bitmap_filters.h"

#include <gtest/gtest.h>

#include <set>

#include "filters/filter_test_util.h"

namespace tessel {
namespace {

using test::NoisePicture;
using test::PhotoLikePicture;
using test::Px;
using test::SolidPicture;

// 3 × 3 of 50 with 100 in the middle, all three channels.
CDIBSection Bump() {
  CDIBSection p = SolidPicture(3, 3, 50, 50, 50, 77);
  Px(p, 1, 1)[0] = Px(p, 1, 1)[1] = Px(p, 1, 1)[2] = 100;
  return p;
}

TEST(Filter3x3, SharpenAmountsTenAndTwenty) {
  CDIBSection src = Bump(), dst = SolidPicture(3, 3, 0, 0, 0, 1);
  // Centre: L = 8 · 50 − 8 · 100 = −400; 100 + 400 · 0.05 = 120; with 0.1: 140.
  // Corner (0, 0): its row above and column to the left are itself, so the neighbours
  // are seven 50s and the centre: L = 450 − 400 = 50; 50 − 2.5 = 47.5 -> 47; with 0.1: 45.
  ASSERT_TRUE(Sharpen3x3(src.View(), dst.View(), 10));
  EXPECT_EQ(Px(dst, 1, 1)[2], 120);
  EXPECT_EQ(Px(dst, 0, 0)[0], 47);
  EXPECT_EQ(Px(dst, 1, 0)[1], 47);  // edge middle: the same eight neighbours
  EXPECT_EQ(Px(dst, 1, 1)[3], 1);   // the fourth byte is not touched
  ASSERT_TRUE(Sharpen3x3(src.View(), dst.View(), 20));
  EXPECT_EQ(Px(dst, 1, 1)[2], 140);
  EXPECT_EQ(Px(dst, 2, 2)[0], 45);
  // Amount is clamped to 0..100: 1000 acts as 100 (f = 0.5): 100 + 200 = 300 -> 255.
  ASSERT_TRUE(Sharpen3x3(src.View(), dst.View(), 1000));
  EXPECT_EQ(Px(dst, 1, 1)[0], 255);
  ASSERT_TRUE(Sharpen3x3(src.View(), dst.View(), -5));
  EXPECT_EQ(Px(dst, 1, 1)[0], 100);
}

TEST(Filter3x3, BlurMeanIsIntegerDivided) {
  CDIBSection src = Bump(), dst = SolidPicture(3, 3, 0, 0, 0);
  // Centre: m = 400 / 8 = 50; 50 · 0.1 + 100 · 0.9 = 95.
  // Corner: m = 450 / 8 = 56; 56 · 0.1 + 50 · 0.9 = 50.6 -> 50.
  ASSERT_TRUE(Blur3x3(src.View(), dst.View(), 10));
  EXPECT_EQ(Px(dst, 1, 1)[1], 95);
  EXPECT_EQ(Px(dst, 0, 2)[1], 50);
  ASSERT_TRUE(Blur3x3(src.View(), dst.View(), 100));
  EXPECT_EQ(Px(dst, 1, 1)[1], 50);
  EXPECT_EQ(Px(dst, 0, 2)[1], 56);
}

TEST(Filter3x3, OnePixelWideAndRefusals) {
  // A column 10, 40, 100 (memory rows 0..2). The middle pixel's left and right
  // neighbours are itself: 10 · 3 + 40 · 2 + 100 · 3 = 410; L = 410 − 320 = 90;
  // 40 − 9 = 31.
  CDIBSection src = SolidPicture(1, 3, 0, 0, 0), dst = SolidPicture(1, 3, 0, 0, 0);
  Px(src, 0, 0)[0] = 10, Px(src, 0, 1)[0] = 40, Px(src, 0, 2)[0] = 100;
  ASSERT_TRUE(Sharpen3x3(src.View(), dst.View(), 20));
  EXPECT_EQ(Px(dst, 0, 1)[0], 31);

  // Three-byte working copies work the same way.
  uint8_t rgbIn[9] = {10, 10, 10, 40, 40, 40, 100, 100, 100}, rgbOut[9] = {};
  const CBitmapView in{rgbIn, 3, 1, 3, 3}, out{rgbOut, 3, 1, 3, 3};
  ASSERT_TRUE(Sharpen3x3(in, out, 20));
  EXPECT_EQ(rgbOut[4], 31);

  // Same buffer, missing buffer or different shapes: refused, nothing written.
  CDIBSection before = src.Clone();
  EXPECT_FALSE(Sharpen3x3(src.View(), src.View(), 10));
  EXPECT_FALSE(Blur3x3(src.View(), src.View(), 10));
  EXPECT_FALSE(Blur3x3(src.View(), CBitmapView{}, 10));
  CDIBSection other = SolidPicture(2, 3, 0, 0, 0);
  EXPECT_FALSE(Blur3x3(src.View(), other.View(), 10));
  EXPECT_TRUE(src == before);
}

TEST(OilPaint, ModeWithTiesToTheSmallerValue) {
  // One row of ten: pixel 0 sees x 0..4 = 1 1 2 2 2 -> 2; pixel 1 sees 0..5 -> 2;
  // pixel 4 sees 0..8 (two 1s, three 2s, four 3s) -> 3; pixel 9 sees 5..9 -> 3.
  const int row[10] = {1, 1, 2, 2, 2, 3, 3, 3, 3, 9};
  CDIBSection src = SolidPicture(10, 1, 0, 0, 0, 5), dst = SolidPicture(10, 1, 0, 0, 0, 0);
  for (int x = 0; x < 10; ++x) Px(src, x, 0)[1] = uint8_t(row[x]);
  ASSERT_TRUE(OilPaint(src.View(), dst.View()));
  EXPECT_EQ(Px(dst, 0, 0)[1], 2);
  EXPECT_EQ(Px(dst, 1, 0)[1], 2);
  EXPECT_EQ(Px(dst, 4, 0)[1], 3);
  EXPECT_EQ(Px(dst, 9, 0)[1], 3);
  EXPECT_EQ(Px(dst, 9, 0)[3], 5);  // alpha copied

  // Two pixels 7 and 3, each seen once by both: the tie goes to 3.
  CDIBSection two = SolidPicture(1, 2, 7, 0, 0), out = SolidPicture(1, 2, 0, 0, 0);
  Px(two, 0, 1)[0] = 3;
  ASSERT_TRUE(OilPaint(two.View(), out.View()));
  EXPECT_EQ(Px(out, 0, 0)[0], 3);
  EXPECT_EQ(Px(out, 0, 1)[0], 3);
  EXPECT_FALSE(OilPaint(two.View(), two.View()));
}

TEST(OilPaint, FastEqualsReference) {
  for (const auto& [w, h] : {std::pair{1, 1}, std::pair{5, 3}, std::pair{23, 17}, std::pair{300, 230}}) {
    // Few distinct values make many ties.
    CDIBSection src = NoisePicture(w, h, uint32_t(w + h));
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w * 4; ++x) src.RowFromBottom(y)[x] &= 0x30;
    CDIBSection fast = SolidPicture(w, h, 0, 0, 0), ref = fast.Clone();
    ASSERT_TRUE(OilPaint(src.View(), fast.View()));
    ASSERT_TRUE(OilPaintReference(src.View(), ref.View()));
    ASSERT_TRUE(fast == ref) << w << "x" << h;
  }
  CDIBSection photo = PhotoLikePicture(120, 90, 4), fast = SolidPicture(120, 90, 0, 0, 0), ref = fast.Clone();
  OilPaint(photo.View(), fast.View());
  OilPaintReference(photo.View(), ref.View());
  EXPECT_TRUE(fast == ref);
}

TEST(AutoLevel, TablesFromHistogramPeaks) {
  // Blue: 100 pixels of 50, 100 of 150, one 0 and one 255. Peak 100, t = 5: the two
  // outliers do not count, low = 50, high = 150. Green: all 77, so low = high = 77 and
  // v = i − 77 is not divided.
  CDIBSection p = SolidPicture(202, 1, 50, 77, 0);
  for (int x = 100; x < 200; ++x) Px(p, x, 0)[0] = 150;
  Px(p, 200, 0)[0] = 0;
  Px(p, 201, 0)[0] = 255;
  uint8_t t[3][256];
  AutoLevelTables(p.View(), 0.0, t);
  // (i − 50) / 100 · 255 + 0.5: 0 -> −127 -> 0; 75 -> 64.25 -> 64; 100 -> 128; 150 -> 255.
  EXPECT_EQ(t[0][0], 0);
  EXPECT_EQ(t[0][50], 0);
  EXPECT_EQ(t[0][75], 64);
  EXPECT_EQ(t[0][100], 128);
  EXPECT_EQ(t[0][150], 255);
  EXPECT_EQ(t[0][255], 255);
  EXPECT_EQ(t[1][76], 0);
  EXPECT_EQ(t[1][77], 0);
  EXPECT_EQ(t[1][78], 255);
  // Red: all 0, a single value again.
  EXPECT_EQ(t[2][0], 0);
  EXPECT_EQ(t[2][1], 255);
  // Gamma 1.6: 0.25^(1/1.6) · 255 + 0.5 = 107.9 -> 107; 0.5^(1/1.6) -> 165.
  AutoLevelTables(p.View(), 1.6, t);
  EXPECT_EQ(t[0][75], 107);
  EXPECT_EQ(t[0][100], 165);
  EXPECT_EQ(t[0][0], 0);  // −(0.5^(1/1.6)) stays below 0

  AutoLevel(p.View(), 0.0);
  EXPECT_EQ(Px(p, 0, 0)[0], 0);
  EXPECT_EQ(Px(p, 100, 0)[0], 255);
  EXPECT_EQ(Px(p, 0, 0)[3], 255);
}

TEST(AutoLevel, ColourBoostAndEnhance) {
  // (b, g, r) = (10, 100, 200); Boost(a, s) = trunc(−45/210 · s + 255/210 · a):
  //   red   Boost(400, 110) = 462.14 -> 462, / 2 = 231
  //   green Boost(200, 210) = 197.86 -> 197, / 2 = 98
  //   blue  Boost(20, 300) = −39.99… -> −39, / 2 = −19 -> 0
  CDIBSection p = SolidPicture(1, 1, 10, 100, 200, 33);
  ColourBoost(p.View());
  EXPECT_EQ(Px(p, 0, 0)[2], 231);
  EXPECT_EQ(Px(p, 0, 0)[1], 98);
  EXPECT_EQ(Px(p, 0, 0)[0], 0);
  EXPECT_EQ(Px(p, 0, 0)[3], 33);
  // Grey stays grey: Boost(2c, 2c) = 2c.
  CDIBSection grey = SolidPicture(1, 1, 90, 90, 90);
  ColourBoost(grey.View());
  EXPECT_EQ(Px(grey, 0, 0)[0], 90);

  CDIBSection photo = PhotoLikePicture(64, 48, 2), enhanced = photo.Clone();
  EnhanceDigitalPhoto(enhanced.View());
  EXPECT_FALSE(enhanced == photo);
  EXPECT_TRUE(test::SameAlpha(enhanced, photo));
}

TEST(Adjustments, InvertAlphaBrightnessContrast) {
  CDIBSection p = SolidPicture(2, 2, 10, 20, 30, 200);
  InvertAlpha(p.View());
  EXPECT_EQ(Px(p, 1, 1)[3], 55);
  EXPECT_EQ(Px(p, 1, 1)[0], 10);

  CDIBSection photo = PhotoLikePicture(40, 30, 6), same = photo.Clone();
  BrightnessContrast(same.View(), 0, 0);
  EXPECT_TRUE(same == photo);
  // Brightness 20: + 51; contrast 50: k = 2 around 127.5.
  CDIBSection q = SolidPicture(1, 1, 10, 100, 200, 9);
  BrightnessContrast(q.View(), 20, 0);
  EXPECT_EQ(Px(q, 0, 0)[0], 61);
  EXPECT_EQ(Px(q, 0, 0)[2], 251);
  CDIBSection c = SolidPicture(1, 1, 10, 100, 200, 9);
  BrightnessContrast(c.View(), 0, 50);  // (100 − 127.5) · 2 + 128 = 73
  EXPECT_EQ(Px(c, 0, 0)[1], 73);
  EXPECT_EQ(Px(c, 0, 0)[0], 0);
  // Clamped parameters: brightness 500 is 100 (all 255), contrast −500 is −100 (all 128).
  CDIBSection b = photo.Clone(), f = photo.Clone();
  BrightnessContrast(b.View(), 500, 0);
  BrightnessContrast(f.View(), 0, -500);
  EXPECT_EQ(Px(b, 3, 3)[0], 255);
  EXPECT_EQ(Px(f, 3, 3)[2], 128);
  EXPECT_TRUE(test::SameAlpha(b, photo));
}

TEST(Adjustments, HueSaturationInHsl) {
  // Saturation −100: grey at the lightness (max + min) / 2 = (200 + 10) / 2 = 105.
  CDIBSection p = SolidPicture(1, 1, 10, 100, 200, 4);
  HueSaturation(p.View(), 0, -100, 0);
  EXPECT_EQ(Px(p, 0, 0)[0], 105);
  EXPECT_EQ(Px(p, 0, 0)[1], 105);
  EXPECT_EQ(Px(p, 0, 0)[2], 105);
  EXPECT_EQ(Px(p, 0, 0)[3], 4);
  // Hue +120 turns red into green, −120 into blue; 180 turns it into cyan.
  for (const auto& [hue, b, g, r] : {std::tuple{120, 0, 255, 0}, std::tuple{-120, 255, 0, 0},
                                     std::tuple{180, 255, 255, 0}, std::tuple{360, 255, 255, 0}}) {
    CDIBSection red = SolidPicture(1, 1, 0, 0, 255);
    HueSaturation(red.View(), hue, 0, 0);
    EXPECT_EQ(Px(red, 0, 0)[0], b) << hue;
    EXPECT_EQ(Px(red, 0, 0)[1], g) << hue;
    EXPECT_EQ(Px(red, 0, 0)[2], r) << hue;
  }
  // Lightness ±100: white and black. Zeros leave everything alone.
  CDIBSection photo = PhotoLikePicture(30, 20, 7), light = photo.Clone(), dark = photo.Clone(), none = photo.Clone();
  HueSaturation(light.View(), 0, 0, 100);
  HueSaturation(dark.View(), 0, 0, -100);
  HueSaturation(none.View(), 0, 0, 0);
  EXPECT_EQ(Px(light, 5, 5)[1], 255);
  EXPECT_EQ(Px(dark, 5, 5)[1], 0);
  EXPECT_TRUE(none == photo);
  // A round trip through the model keeps every byte when nothing changes but the hue
  // by a full turn.
  CDIBSection turned = photo.Clone();
  HueSaturation(turned.View(), 180, 0, 0);
  HueSaturation(turned.View(), -180, 0, 0);
  EXPECT_TRUE(turned == photo);
}

TEST(PopArt, FlatRegionsWithInkLines) {
  // Left half red, right half blue; no smoothing, full saturation, black ink.
  CDIBSection p = SolidPicture(40, 20, 0, 0, 255, 66);
  for (int y = 0; y < 20; ++y)
    for (int x = 20; x < 40; ++x) Px(p, x, y)[0] = 255, Px(p, x, y)[2] = 0;
  PopArt(p.View(), 3, 0, 100, 255);
  EXPECT_EQ(Px(p, 5, 5)[2], 255);
  EXPECT_EQ(Px(p, 5, 5)[0], 0);
  EXPECT_EQ(Px(p, 30, 5)[0], 255);
  EXPECT_EQ(Px(p, 19, 5)[2], 0);  // the border column is inked
  EXPECT_EQ(Px(p, 19, 5)[0], 0);
  EXPECT_EQ(Px(p, 19, 5)[3], 66);

  // A photo becomes a poster: few colours, flat areas.
  CDIBSection photo = PhotoLikePicture(160, 120, 9), poster = photo.Clone();
  PopArt(poster.View(), 4, 3, 80, 160);
  std::set<uint32_t> colours;
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 160; ++x) {
      const uint8_t* px = Px(poster, x, y);
      colours.insert(uint32_t(px[0]) | uint32_t(px[1]) << 8 | uint32_t(px[2]) << 16);
    }
  EXPECT_LE(colours.size(), 2u * 13 * 4);  // each region colour, plain or inked
  EXPECT_GE(colours.size(), 3u);
  EXPECT_TRUE(test::SameAlpha(poster, photo));
}

}  // namespace
}  // namespace tessel
