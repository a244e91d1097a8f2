// The colour tweak engine: the table, hand-worked pixels of the fixed formulas, the
// edge cases (grey pixels, range 0, grid lines, alpha) and our own five effects.
#include "filters/tweak_effects.h"

#include <gtest/gtest.h>

#include "filters/filter_test_util.h"

namespace tessel {
namespace {

using test::PhotoLikePicture;
using test::Px;
using test::SolidPicture;

// Runs slot with the defaults changed by `changes` (index, value) on src.
CDIBSection RunEffect(int slot, const CDIBSection& src, std::initializer_list<std::pair<int, int>> changes = {},
                      uint32_t seed = CTweakEngine::kDefaultSeed) {
  CTweakEngine engine;
  EXPECT_TRUE(engine.Select(slot));
  for (const auto& [i, v] : changes) engine.SetParam(i, v);
  engine.m_seed = seed;
  CDIBSection s = src.Clone(), d = SolidPicture(src.Width(), src.Height(), 1, 2, 3, 4);
  EXPECT_TRUE(engine.Run(s.View(), d.View()));
  return d;
}

// The pixel (R, G, B) = (200, 100, 10): Y = (76·200 + 150·100 + 29·10) >> 8 = 119.
CDIBSection Sample() { return SolidPicture(1, 1, 10, 100, 200, 42); }

void ExpectRgb(const CDIBSection& p, int x, int y, int r, int g, int b) {
  EXPECT_EQ(Px(p, x, y)[2], r) << "red at " << x << "," << y;
  EXPECT_EQ(Px(p, x, y)[1], g) << "green at " << x << "," << y;
  EXPECT_EQ(Px(p, x, y)[0], b) << "blue at " << x << "," << y;
}

TEST(TweakTable, SlotsNamesLabelsDefaults) {
  ASSERT_NE(TweakEffect(0), nullptr);
  EXPECT_STREQ(TweakEffect(0)->name, "Color - Boost");
  EXPECT_STREQ(TweakEffect(10)->name, "Effect -Ebossed");
  EXPECT_STREQ(TweakEffect(12)->name, "Effect -Aged Photo");
  EXPECT_STREQ(TweakEffect(26)->name, "Special - Mosaic Hard");
  EXPECT_EQ(TweakEffect(27), nullptr);
  EXPECT_EQ(TweakEffect(31), nullptr);
  EXPECT_EQ(TweakEffect(-1), nullptr);
  const CTweakEffectInfo* shift = TweakEffect(7);
  EXPECT_EQ(shift->paramCount, 6);
  EXPECT_STREQ(shift->labels[5], "Blue Shift");
  EXPECT_EQ(shift->defaults[5], 255);
  EXPECT_STREQ(shift->labels[6], "");
  const CTweakEffectInfo* oceanic = TweakEffect(22);
  EXPECT_EQ(oceanic->paramCount, 5);
  EXPECT_STREQ(oceanic->labels[4], "Brightness");
  EXPECT_EQ(oceanic->defaults[1], 90);
  for (int slot = 0; slot < kTweakEffectCount; ++slot) {
    const CTweakEffectInfo* e = TweakEffect(slot);
    ASSERT_NE(e, nullptr);
    EXPECT_GE(e->paramCount, 1);
    for (int i = 0; i < kTweakParams; ++i) EXPECT_EQ(e->labels[i][0] == 0, i >= e->paramCount) << slot << ":" << i;
  }
  CTweakEngine engine;
  EXPECT_EQ(engine.Slot(), 0);
  EXPECT_EQ(engine.Param(0), 74);
  EXPECT_FALSE(engine.Select(27));
  EXPECT_TRUE(engine.Select(17));
  EXPECT_EQ(engine.Param(5), 63);
  engine.SetParam(5, 999);
  EXPECT_EQ(engine.Param(5), 255);
  engine.SetParam(5, -3);
  EXPECT_EQ(engine.Param(5), 0);
}

TEST(TweakFormulas, ColourEffectsOnOnePixel) {
  // Boost, P0 74: m = trunc(74 · (1 − 255)/256 + 255) = 181.
  //   red   Mix(400, 110, 255, 181) = trunc(−74/181 · 110 + 255/181 · 400) = 518, / 2 = 259 -> 255
  //   green Mix(200, 210, 255, 181) = 195, / 2 = 97; blue Mix(20, 300, 255, 181) = −94 -> 0
  ExpectRgb(RunEffect(0, Sample()), 0, 0, 255, 97, 0);
  // Saturation, P0 180: lim = min(255 − 200, 10) = 10, d = trunc(180 · 20/256 − 10) = 4;
  // Lerp(c, 10, 200, 6, 204) takes the quotient 198/190 first: red trunc(198/190 · 190
  // + 6) = trunc(203.99999999999997) = 203, blue 6, green trunc(198/190 · 90 + 6) = 99.
  ExpectRgb(RunEffect(1, Sample()), 0, 0, 203, 99, 6);
  // P0 0: Mix(Y, c, 255, 255) = Y.
  ExpectRgb(RunEffect(1, Sample(), {{0, 0}}), 0, 0, 119, 119, 119);
  // Balance: (P·c·2)/256: 128 keeps, 255 · 200 · 2 / 256 = 398 -> 255, 64 · 100 · 2 / 256 = 50.
  ExpectRgb(RunEffect(2, Sample()), 0, 0, 200, 100, 10);
  ExpectRgb(RunEffect(2, Sample(), {{0, 255}, {1, 64}}), 0, 0, 255, 50, 10);
  // Contrast, Light 64, Dark 32, for c = 100: Mix(255, 100, 32, 128) = trunc(75 + 63.75)
  // = 138; Mix(0, 100, 64, 128) = 50; 100 − 38 + 50 = 112. For 200: 200 − 13 + 100
  // -> 255; for 10: 10 − 61 + 5 -> 0.
  ExpectRgb(RunEffect(3, Sample()), 0, 0, 255, 112, 0);
  // Colorize: Lerp(119, 0, 255, 0, 2P): 324/255 · 119 = 151.2, 258/255 · 119 = 120.4,
  // 174/255 · 119 = 81.2.
  ExpectRgb(RunEffect(6, Sample()), 0, 0, 151, 120, 81);
  // Shift, defaults 19 60 150 43 99 255 (every / 255 an integer division):
  //   blue  = 236·200/255 (185) + ((195·10/255 (7) + 60·100/255 (23)) · 19)/255 (2) = 187
  //   green = 105·100/255 (41) + ((212·10/255 (8) + 43·200/255 (33)) · 150)/255 (24) = 65
  //   red   = 156·10/255 (6) + ((0 + 255·200/255 (200)) · 99)/255 (77) = 83
  ExpectRgb(RunEffect(7, Sample()), 0, 0, 83, 65, 187);
  // Solarize 62: s = 310 > 186 keeps; (20, 30, 40) has s = 90: each becomes 96 + c.
  ExpectRgb(RunEffect(8, Sample()), 0, 0, 200, 100, 10);
  ExpectRgb(RunEffect(8, SolidPicture(1, 1, 40, 30, 20)), 0, 0, 116, 126, 136);
  // Quantize 240: S = trunc(240 · 7/256) = 6, mask (255 << 6) & 255 = 192.
  ExpectRgb(RunEffect(9, Sample()), 0, 0, 192, 64, 0);
  // Poster Art, red: S(0, −128, 128) = 29 − 128 = −99; Q = (−99 + 10) | 200 = −17;
  // Mix(200, −17, 1, 4) = trunc(3/4 · −17 + 200/4) = 37.
  EXPECT_EQ(Px(RunEffect(14, Sample()), 0, 0)[2], 37);
  // Melter, red: S(0, 30, 200 · 255/32 = 1593) = trunc(56 · 1563/256 + 30) = 371;
  // Fold(371) = 511 − 371 = 140.
  EXPECT_EQ(Px(RunEffect(16, Sample()), 0, 0)[2], 140);
  // Pop Colors: A = 310/3 = 103. Red (128, 128): 255 − (25 · 255)/128 = 206; green
  // (150, 43): 107 < 103 fails -> 0; blue (0, 63): 103 < 63 fails -> 0.
  ExpectRgb(RunEffect(17, Sample()), 0, 0, 206, 0, 0);
  // 3 Colors (235, 128, 38) with Y = 119: 255, 255, 0.
  ExpectRgb(RunEffect(18, Sample()), 0, 0, 255, 255, 0);
  // Neon Art on a flat picture: D = 0, so every channel is Y.
  ExpectRgb(RunEffect(20, SolidPicture(3, 3, 10, 100, 200)), 1, 1, 119, 119, 119);
}

TEST(TweakFormulas, NeighbourEffects) {
  // 3 × 3 of 50 with 100 in the middle.
  CDIBSection bump = SolidPicture(3, 3, 50, 50, 50);
  Px(bump, 1, 1)[0] = Px(bump, 1, 1)[1] = Px(bump, 1, 1)[2] = 100;
  // Sharpen 128: K = 500 − 200 = 300; Mix(300, 100, 128, 255) = trunc(127/255 · 100 +
  // 128/255 · 300) = 200. A corner: K = 250 − 50 − 50 − 50 − 50 = 50 -> Mix(50, 50) = 50.
  const CDIBSection sharp = RunEffect(4, bump);
  ExpectRgb(sharp, 1, 1, 200, 200, 200);
  ExpectRgb(sharp, 0, 0, 50, 50, 50);
  // Antialias 128: the centre differs from its neighbours by 50 <= 127, kept; with 220
  // (limit 35) it becomes (100 + 200)/5 = 60, and its neighbours (one of four differs)
  // (50 · 4 + 100)/5 = 60 too; the corners see no difference and stay.
  ExpectRgb(RunEffect(5, bump), 1, 1, 100, 100, 100);
  const CDIBSection smooth = RunEffect(5, bump, {{0, 220}, {1, 220}, {2, 220}});
  ExpectRgb(smooth, 1, 1, 60, 60, 60);
  ExpectRgb(smooth, 1, 0, 60, 60, 60);
  ExpectRgb(smooth, 0, 0, 50, 50, 50);
  // Ebossed at (0, 0): K1 = (50 + 50 + 50 + 100)/4 = 62, K2 = 50 (clamped corner);
  // E = (12 · 108)/20 = 64; V = 64 + 350 − 255 = 159; Mix(50, 159, 150, 255) =
  // trunc(105/255 · 159 + 150/255 · 50) = trunc(65.47 + 29.41) = 94.
  ExpectRgb(RunEffect(10, bump), 0, 0, 94, 94, 94);
  // Glowing Edge reads (x + 1, y + 1); at the last column and row it is the pixel itself:
  // Mix(c, c, from, to) = c.
  ExpectRgb(RunEffect(21, bump), 2, 2, 50, 50, 50);
}

TEST(TweakEdgeCases, SaturationLeavesGreyAndTwoEqualChannels) {
  for (const int p : {0, 60, 127, 128, 200, 255}) {
    ExpectRgb(RunEffect(1, SolidPicture(1, 1, 90, 90, 90), {{0, p}}), 0, 0, 90, 90, 90);
    ExpectRgb(RunEffect(1, SolidPicture(1, 1, 30, 90, 90), {{0, p}}), 0, 0, 90, 90, 30);
  }
}

TEST(TweakEdgeCases, PopColorsRangeZeroIsBlack) {
  const CDIBSection photo = PhotoLikePicture(40, 30, 1);
  const CDIBSection out = RunEffect(17, photo, {{1, 0}, {3, 0}, {5, 0}});
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ExpectRgb(out, x, y, 0, 0, 0);
}

TEST(TweakEdgeCases, MosaicHardGridLines) {
  // Size 64 on 16 × 8: qx = trunc(64 · 16/256) = 4, qy = trunc(64 · 8/256) = 2. Black
  // at every x ≡ 0 (mod 4) and every y ≡ 0 (mod 2), including row and column 0; the rest
  // shows the cell centre (x − u + 2, y − v + 1).
  CDIBSection p = SolidPicture(16, 8, 0, 0, 0);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) Px(p, x, y)[0] = uint8_t(10 + x), Px(p, x, y)[1] = uint8_t(100 + y);
  const CDIBSection out = RunEffect(26, p, {{0, 64}});
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) {
      if (x % 4 == 0 || y % 2 == 0) ExpectRgb(out, x, y, 0, 0, 0);
      else ExpectRgb(out, x, y, 0, 100 + (y - y % 2 + 1), 10 + (x - x % 4 + 2));
    }
}

TEST(TweakEdgeCases, EveryEffectKeepsAlphaAndRandomIsSeeded) {
  const CDIBSection photo = PhotoLikePicture(67, 41, 5);
  for (int slot = 0; slot < kTweakEffectCount; ++slot) {
    EXPECT_TRUE(test::SameAlpha(RunEffect(slot, photo), photo)) << slot;
    CTweakEngine a, b;
    a.Select(slot);
    b.Select(slot);
    std::mt19937 ra(99), rb(99);
    a.Randomize(ra);
    b.Randomize(rb);
    for (int i = 0; i < kTweakParams; ++i) {
      EXPECT_EQ(a.Param(i), b.Param(i));
      if (i >= TweakEffect(slot)->paramCount) {
        EXPECT_EQ(a.Param(i), 0);
      }
    }
    CDIBSection s = photo.Clone(), d = photo.Clone();
    ASSERT_TRUE(a.Run(s.View(), d.View()));
    EXPECT_TRUE(test::SameAlpha(d, photo)) << slot;
  }
  CTweakEngine engine;
  CDIBSection s = photo.Clone();
  EXPECT_FALSE(engine.Run(s.View(), s.View()));
}

TEST(TweakOurEffects, AgedPhotoIsSeededAndAged) {
  const CDIBSection photo = PhotoLikePicture(200, 150, 8);
  EXPECT_TRUE(RunEffect(12, photo, {}, 1) == RunEffect(12, photo, {}, 1));
  EXPECT_FALSE(RunEffect(12, photo, {}, 1) == RunEffect(12, photo, {}, 2));
  // No scratches or dust, full desaturation, no fade: plain grey Y.
  const CDIBSection grey = RunEffect(12, Sample(), {{0, 0}, {1, 0}, {2, 255}, {3, 0}, {4, 0}, {5, 0}});
  ExpectRgb(grey, 0, 0, 119, 119, 119);
  // Fades lift toward white, red most: warm paper. Y + ((255 − 119) · 20)/128 = 140,
  // green + (136 · 12)/128 = 131, blue + (136 · 4)/128 = 123.
  ExpectRgb(RunEffect(12, Sample(), {{0, 0}, {1, 0}, {2, 255}}), 0, 0, 140, 131, 123);
  // Dust at 255 darkens some cells; scratches at 255 lighten whole column stretches.
  const CDIBSection flat = SolidPicture(200, 150, 128, 128, 128);
  const CDIBSection clean = RunEffect(12, flat, {{0, 0}, {1, 0}, {3, 0}, {4, 0}, {5, 0}});
  const CDIBSection dusty = RunEffect(12, flat, {{0, 0}, {1, 255}, {3, 0}, {4, 0}, {5, 0}});
  const CDIBSection scratched = RunEffect(12, flat, {{0, 255}, {1, 0}, {3, 0}, {4, 0}, {5, 0}});
  int dark = 0, light = 0;
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x) {
      dark += Px(dusty, x, y)[1] < Px(clean, x, y)[1];
      light += Px(scratched, x, y)[1] > Px(clean, x, y)[1];
    }
  EXPECT_GT(dark, 0);
  EXPECT_LT(dark, 200 * 150 / 10);
  EXPECT_GT(light, 64);
}

TEST(TweakOurEffects, PastelColoredOceanicOilEmboss) {
  // Pastel Pop: grey keeps its hue (boost of grey is grey) and is lifted:
  // 100 + (155 · 192)/512 = 158.
  ExpectRgb(RunEffect(13, SolidPicture(1, 1, 100, 100, 100)), 0, 0, 158, 158, 158);
  const CDIBSection pastel0 = RunEffect(13, Sample(), {{0, 0}}), pastel = RunEffect(13, Sample(), {{0, 255}});
  EXPECT_GT(Px(pastel, 0, 0)[0], Px(pastel0, 0, 0)[0]);
  // Colored: a flat picture has no lines, only the wash 255 − ((255 − c) · 62)/255;
  // pressure 0 is white paper.
  ExpectRgb(RunEffect(15, SolidPicture(2, 2, 10, 100, 200)), 1, 1, 242, 218, 196);
  ExpectRgb(RunEffect(15, SolidPicture(2, 2, 10, 100, 200), {{0, 0}, {1, 0}, {2, 0}}), 0, 0, 255, 255, 255);
  // Oceanic on a flat picture: ((c + Y)/2 · p)/128 + brightness − 128:
  // red (159 · 90)/128 = 111, green (109 · 140)/128 = 119, blue 64.
  ExpectRgb(RunEffect(22, SolidPicture(5, 5, 10, 100, 200)), 2, 2, 111, 119, 64);
  // Oil Emboss leaves a flat picture alone and lights an edge.
  ExpectRgb(RunEffect(11, SolidPicture(4, 4, 10, 100, 200)), 1, 1, 200, 100, 10);
  CDIBSection step = SolidPicture(8, 8, 50, 50, 50);
  for (int y = 0; y < 8; ++y)
    for (int x = 4; x < 8; ++x) Px(step, x, y)[0] = Px(step, x, y)[1] = Px(step, x, y)[2] = 200;
  const CDIBSection relief = RunEffect(11, step);
  EXPECT_NE(Px(relief, 3, 4)[1], 50 + (200 - 50) / 3);
}

}  // namespace
}  // namespace tessel
