#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "base/app_context.h"
#include "base/dib_section.h"
#include "document/draw_object.h"
#include "render/coverage_mask.h"
#include "render/emboss.h"
#include "render/height_field.h"

namespace tessel {
namespace {

// A 32-bit bitmap of w × h pixels, every pixel blue 30, green 20, red 10.
CDIBSection Colour(int w, int h, int b = 30, int g = 20, int r = 10) {
  CDIBSection bmp;
  bmp.Create(w, h, 32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = bmp.RowFromTop(y) + 4 * x;
      p[0] = uint8_t(b), p[1] = uint8_t(g), p[2] = uint8_t(r), p[3] = 255;
    }
  return bmp;
}

std::array<int, 3> Bgr(const CDIBSection& bmp, int x, int y) {
  const uint8_t* p = bmp.RowFromTop(y) + 4 * x;
  return {p[0], p[1], p[2]};
}

int ProfileOf(int profile, int m) {
  CHeightFieldBuilder b;
  b.m_profile = profile;
  return b.Profile(m);
}

TEST(HeightField, ProfileCurves) {
  // 0, and 6 and 7 which act as 0: v = m.
  EXPECT_EQ(ProfileOf(0, 77), 77);
  EXPECT_EQ(ProfileOf(6, 77), 77);
  EXPECT_EQ(ProfileOf(7, 200), 200);
  // 1: m − cos(m · 0.7 · 3.14159/180) · 50. m = 100: cos(1.2217…) = 0.34202 → 100 − 17.10 =
  // 82.899 → 82; m = 200: 238.30 → 238; m = 0: −50 → 0; m = 255: 304.98 → 255.
  EXPECT_EQ(ProfileOf(1, 100), 82);
  EXPECT_EQ(ProfileOf(1, 200), 238);
  EXPECT_EQ(ProfileOf(1, 0), 0);
  EXPECT_EQ(ProfileOf(1, 255), 255);
  // 2: m − sin((255 − m) · 2.82°) · 50. m = 200: sin(155.1°) = 0.42104 → 178.948 → 178;
  // m = 100: sin(437.1°) = 0.97476 → 51.262 → 51; m = 255: sin 0 = 0 → 255.
  EXPECT_EQ(ProfileOf(2, 200), 178);
  EXPECT_EQ(ProfileOf(2, 100), 51);
  EXPECT_EQ(ProfileOf(2, 255), 255);
  // 3: r/32767 · (255 − m) + 0.5 + m − 128; at m = 255 the noise term is 0 → 127.5 → 127.
  for (int i = 0; i < 20; ++i) EXPECT_EQ(ProfileOf(3, 255), 127);
  // 4 "Saucer": heights above 180 mirrored.
  EXPECT_EQ(ProfileOf(4, 180), 180);
  EXPECT_EQ(ProfileOf(4, 181), 179);
  EXPECT_EQ(ProfileOf(4, 220), 140);
  EXPECT_EQ(ProfileOf(4, 255), 105);
  // 5 "Frame ": (315 − m) · 2 on 211..229, m − 60 from 230: 220 → 190, 240 → 180.
  EXPECT_EQ(ProfileOf(5, 210), 210);
  EXPECT_EQ(ProfileOf(5, 211), 208);
  EXPECT_EQ(ProfileOf(5, 220), 190);
  EXPECT_EQ(ProfileOf(5, 229), 172);
  EXPECT_EQ(ProfileOf(5, 230), 170);
  EXPECT_EQ(ProfileOf(5, 240), 180);
  // 8: 2m, clamped: 127 → 254, 128 → 256 → 255.
  EXPECT_EQ(ProfileOf(8, 127), 254);
  EXPECT_EQ(ProfileOf(8, 128), 255);
  // 9: sin(m · 2.82°) · 100. m = 32: sin(90.24°) → 99.9991 → 99; m = 50: sin(141°) →
  // 62.93 → 62; m = 100: sin(282°) → −97.8 → 0.
  EXPECT_EQ(ProfileOf(9, 32), 99);
  EXPECT_EQ(ProfileOf(9, 50), 62);
  EXPECT_EQ(ProfileOf(9, 100), 0);
}

TEST(HeightField, NoiseProfileIsSeededAndInRange) {
  CHeightFieldBuilder a, b;
  a.m_profile = b.m_profile = CHeightFieldBuilder::kProfileNoise;
  bool varied = false;
  const int first = a.Profile(128);
  EXPECT_EQ(b.Profile(128), first);
  for (int i = 0; i < 200; ++i) {
    const int va = a.Profile(128);
    EXPECT_EQ(va, b.Profile(128));
    // m = 128: r/32767 · 127 + 0.5 in 0.5..127.5 → 0..127.
    EXPECT_GE(va, 0);
    EXPECT_LE(va, 127);
    varied |= va != first;
  }
  EXPECT_TRUE(varied);
}

TEST(HeightField, MeanOf3x3RepeatsEdgesAndCountsAlongTheDirection) {
  // 3 × 2 field:   0   9  90
  //               18  27 255
  const std::vector<uint8_t> f = {0, 9, 90, 18, 27, 255};
  std::vector<uint8_t> m(6);
  MeanOf3x3(f.data(), m.data(), 3, 2, kHeightBoth);
  // (0,0): rows 0,0,1 and columns 0,0,1: (0+0+9)·2 + 18+18+27 = 81 → 9.
  EXPECT_EQ(m[0], 9);
  // (1,0): (0+9+90)·2 + (18+27+255) = 498 → 55.
  EXPECT_EQ(m[1], 55);
  // (2,1): (9+90+90) + (27+255+255)·2 = 1263 → 140.
  EXPECT_EQ(m[5], 140);
  MeanOf3x3(f.data(), m.data(), 3, 2, kHeightX);
  // Row only, three times: (1,1): 3·(18+27+255) = 900 → 100; (0,0): 3·(0+0+9) = 27 → 3.
  EXPECT_EQ(m[4], 100);
  EXPECT_EQ(m[0], 3);
  MeanOf3x3(f.data(), m.data(), 3, 2, kHeightY);
  // Column only: (2,0): 3·(90+90+255) = 1305 → 145; (1,1): 3·(9+27+27) = 189 → 21.
  EXPECT_EQ(m[2], 145);
  EXPECT_EQ(m[4], 21);
}

TEST(HeightField, RadiusZeroLeavesTheFieldUntouched) {
  std::vector<uint8_t> f = {0, 9, 90, 18, 27, 255};
  const std::vector<uint8_t> before = f;
  CHeightFieldBuilder b;
  b.m_profile = CHeightFieldBuilder::kProfileDouble;  // would change every value
  b.BuildHeightField(f.data(), 3, 2, 0, kHeightBoth);
  EXPECT_EQ(f, before);
  b.BuildHeightField(f.data(), 3, 2, -4, kHeightBoth);
  EXPECT_EQ(f, before);
  b.m_reduction = 2;
  b.BuildHeightField(f.data(), 3, 2, 0, kHeightBoth);
  EXPECT_EQ(f, before);
}

// An 8 × 8 field of 0 with row (or column) 3 at 90.
std::vector<uint8_t> Line(bool row) {
  std::vector<uint8_t> f(64, 0);
  for (int i = 0; i < 8; ++i) f[row ? 3 * 8 + i : i * 8 + 3] = 90;
  return f;
}

TEST(HeightField, DirectionsBlurAlongOneAxisOnly) {
  CHeightFieldBuilder b;
  // x only: a row stays within itself; the other rows stay 0.
  std::vector<uint8_t> f = Line(true);
  b.BuildHeightField(f.data(), 8, 8, 2, kHeightX);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (y == 3)
        EXPECT_GT(f[y * 8 + x], 60);
      else
        EXPECT_EQ(f[y * 8 + x], 0) << x << "," << y;
  // y only: the same row spreads to its neighbours.
  f = Line(true);
  b.BuildHeightField(f.data(), 8, 8, 2, kHeightY);
  EXPECT_GT(f[2 * 8 + 4], 0);
  EXPECT_GT(f[4 * 8 + 4], 0);
  EXPECT_LT(f[3 * 8 + 4], 90);
  // y only on a column: the columns stay apart.
  f = Line(false);
  b.BuildHeightField(f.data(), 8, 8, 2, kHeightY);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (x == 3)
        EXPECT_GT(f[y * 8 + x], 60);
      else
        EXPECT_EQ(f[y * 8 + x], 0) << x << "," << y;
  // Both axes spread the column.
  f = Line(false);
  b.BuildHeightField(f.data(), 8, 8, 2, kHeightBoth);
  EXPECT_GT(f[4 * 8 + 2], 0);
  EXPECT_GT(f[4 * 8 + 4], 0);
}

TEST(HeightField, ReductionWorksOnASmallerCopy) {
  // Factor 2 on 8 × 8: the reduced 4 × 4 rows are the means of rows 0–1, 2–3, 4–5, 6–7,
  // so only reduced row 1 holds the line (45). Enlarged row y samples reduced row
  // (2y + 1)/4 − 0.5: rows 0 (clamped to 0), 6 (2.75) and 7 (3.25) see only reduced rows
  // 2 and 3, which stay 0 under an x-only blur.
  CHeightFieldBuilder b;
  b.m_reduction = 2;
  std::vector<uint8_t> f = Line(true);
  b.BuildHeightField(f.data(), 8, 8, 2, kHeightX);
  for (int x = 0; x < 8; ++x) {
    EXPECT_EQ(f[0 * 8 + x], 0);
    EXPECT_EQ(f[6 * 8 + x], 0);
    EXPECT_EQ(f[7 * 8 + x], 0);
    EXPECT_GT(f[3 * 8 + x], 20);
  }
  // A factor larger than the field keeps at least 2 × 2 pixels and the field's size.
  std::vector<uint8_t> g = {0, 0, 0, 0, 200, 0, 0, 0, 0};
  b.m_reduction = 8;
  b.BuildHeightField(g.data(), 3, 3, 3, kHeightBoth);
  EXPECT_EQ(g.size(), 9u);
}

TEST(Emboss, ShadingValues) {
  // A = 0°, E = 30°: Lx = 255 · cos 30° = 220.836, Ly = 0, Lz = 255 · 120 · sin 30° = 15300
  // (15299.9999996 with 3.1415926535).
  const CEmbossLight l0 = MakeEmbossLight(0.0, 30.0, 255);
  EXPECT_NEAR(l0.x, 220.836478, 1e-5);
  EXPECT_NEAR(l0.z, 15300.0, 1e-5);
  // gx = 100: d = trunc(22083.65 + 15300) = 37383; S = trunc(74766 / √24400 = 478.65) = 478.
  EXPECT_EQ(EmbossShading(100, 0, l0, false), 478);
  // gx = −100: d = −6783 < 0 → 0.
  EXPECT_EQ(EmbossShading(-100, 0, l0, false), 0);
  // gx = 30: d = 21925; S = trunc(43850 / √15300 = 354.5) = 354; squared 125316/255 = 491.
  EXPECT_EQ(EmbossShading(30, 0, l0, false), 354);
  EXPECT_EQ(EmbossShading(30, 0, l0, true), 491);
  // gx = −30: d = 8674; S = trunc(17348 / 123.69 = 140.25) = 140; squared 19600/255 = 76.
  EXPECT_EQ(EmbossShading(-30, 0, l0, false), 140);
  EXPECT_EQ(EmbossShading(-30, 0, l0, true), 76);
  // A = 90°: Ly = 220.836; gy = 50: d = 26341, S = trunc(52682 / 130 = 405.2) = 405.
  EXPECT_EQ(EmbossShading(0, 50, MakeEmbossLight(90.0, 30.0, 255), false), 405);
}

TEST(Emboss, TwoColumnsWrapAroundInX) {
  // 2 × 3 field (top-down):  0  0 / 7 3 / 20 10. Every pixel ends as the shaded (1,1):
  // there x − 1 = 0 and x + 1 wraps to 0, so gx = 0 and
  // gy = H(0,2) + H(1,2) + H(0,2) − H(0,0) − H(1,0) − H(0,0) = 20 + 10 + 20 = 50
  // (clamping x + 1 to 1 would give 40). A = 90°: S = 405 (above), k = 150.
  const std::vector<uint8_t> h = {0, 0, 7, 3, 20, 10};
  CDIBSection bmp = Colour(2, 3);
  ASSERT_TRUE(EmbossShade(bmp, h.data(), 2, 3, 90.0, 30.0, 255, 100, false));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(Bgr(bmp, x, y), (std::array<int, 3>{180, 170, 160})) << x << "," << y;
  // Depth 40: k = trunc(150 · 40 / 100) = 60.
  bmp = Colour(2, 3);
  EmbossShade(bmp, h.data(), 2, 3, 90.0, 30.0, 255, 40, false);
  EXPECT_EQ(Bgr(bmp, 0, 0), (std::array<int, 3>{90, 80, 70}));
}

TEST(Emboss, TwoRowsWrapAroundInY) {
  // 3 × 2 field: 10 5 0 / 40 5 0. At (1,1) y + 1 wraps to row 0, so
  // gx = H(0,0) + H(0,1) + H(0,0) − 0 = 60, gy = row 0 − row 0 = 0 (clamping would give
  // gx = 90, gy = 30). A = 0°: d = trunc(13250.19 + 15300) = 28550,
  // S = trunc(57100 / √18000 = 425.6) = 425, k = 170.
  const std::vector<uint8_t> h = {10, 5, 0, 40, 5, 0};
  CDIBSection bmp = Colour(3, 2);
  ASSERT_TRUE(EmbossShade(bmp, h.data(), 3, 2, 0.0, 30.0, 255, 100, false));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Bgr(bmp, x, y), (std::array<int, 3>{200, 190, 180})) << x << "," << y;
}

TEST(Emboss, EdgesCopyTheirInnerNeighbours) {
  // 4 × 3, every row 0 0 60 90. A = 180°, depth 10.
  // (1,y): gx = 3·0 − 3·60 = −180, d = trunc(39750.6 + 15300) = 55050,
  //        S = trunc(110100 / √46800 = 508.9) = 508, k = trunc(253 · 10 / 100) = 25.
  // (2,y): gx = 0 − 270, d = 74925, S = trunc(149850 / √87300 = 507.2) = 507, k = 25.
  // (0,y) on its own would wrap (gx = 3·90 − 0 = 270, S = 0, k = −25) but copies (1,y).
  const std::vector<uint8_t> row = {0, 0, 60, 90};
  std::vector<uint8_t> h;
  for (int i = 0; i < 3; ++i) h.insert(h.end(), row.begin(), row.end());
  CDIBSection bmp = Colour(4, 3, 100, 100, 100);
  ASSERT_TRUE(EmbossShade(bmp, h.data(), 4, 3, 180.0, 30.0, 255, 10, false));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Bgr(bmp, x, y), (std::array<int, 3>{125, 125, 125})) << x << "," << y;
  // Depth 100 clamps: 100 + 253 → 255.
  bmp = Colour(4, 3, 100, 100, 100);
  EmbossShade(bmp, h.data(), 4, 3, 180.0, 30.0, 255, 100, false);
  EXPECT_EQ(Bgr(bmp, 0, 0), (std::array<int, 3>{255, 255, 255}));
}

TEST(Emboss, FlatFieldDepthZeroAndBadSizes) {
  const std::vector<uint8_t> flat(12, 200), h = {0, 0, 7, 3, 20, 10};
  CDIBSection bmp = Colour(4, 3);
  EXPECT_TRUE(EmbossShade(bmp, flat.data(), 4, 3, 45.0, 30.0, 255, 100, false));
  EXPECT_TRUE(bmp == Colour(4, 3));
  CDIBSection small = Colour(2, 3);
  EXPECT_TRUE(EmbossShade(small, h.data(), 2, 3, 90.0, 30.0, 255, 0, false));
  EXPECT_TRUE(small == Colour(2, 3));
  EXPECT_FALSE(EmbossShade(small, h.data(), 3, 2, 90.0, 30.0, 255, 100, false));
  EXPECT_FALSE(EmbossShade(small, nullptr, 2, 3, 90.0, 30.0, 255, 100, false));
  CDIBSection empty;
  EXPECT_FALSE(EmbossShade(empty, h.data(), 2, 3, 90.0, 30.0, 255, 100, false));
}

// An object of the field's size with a mask holding the field.
struct CBevelled {
  CAppContext app;  // a drawing object needs one
  CDrawObject o;
  CCoverageMask mask;
  CBevelled(int kind, int bevelWidth, const std::vector<uint8_t>& field, int w, int h) {
    o.m_width = w;
    o.m_height = h;
    o.m_bitmap = Colour(w, h, 100, 100, 100);
    o.m_bevelType = kind;
    o.m_bevelWidth = bevelWidth;
    o.m_bevelParam1 = 10;
    o.m_bevelParam2 = 180;
    mask.Reset(w, h, 0);
    mask.bytes = field;
  }
};

std::vector<uint8_t> Columns() {
  std::vector<uint8_t> h;
  for (int i = 0; i < 3; ++i) h.insert(h.end(), {0, 0, 60, 90});
  return h;
}

TEST(EmbossBevel, KindsAndRadius) {
  // Bevel width 2: radius trunc(2/3) · 1 = 0, so the field stays as it is (even for the
  // noise profile of kind 4) and the shading is that of the test above: 125 everywhere.
  for (int kind : {1, 2, 3, 4, 5, 6, 7, 21, 22}) {
    CBevelled b(kind, 2, Columns(), 4, 3);
    EXPECT_TRUE(ApplyEmbossBevel(b.o, b.mask)) << kind;
    EXPECT_EQ(b.mask.bytes, Columns()) << kind;
    EXPECT_EQ(Bgr(b.o.m_bitmap, 2, 1), (std::array<int, 3>{125, 125, 125})) << kind;
  }
  // "Smooth Hi-Lite" squares S: 508² / 255 = 1011, k = trunc(756 · 10 / 100) = 75.
  CBevelled hi(11, 2, Columns(), 4, 3);
  EXPECT_TRUE(ApplyEmbossBevel(hi.o, hi.mask));
  EXPECT_EQ(Bgr(hi.o.m_bitmap, 1, 1), (std::array<int, 3>{175, 175, 175}));
  // Kinds that are not emboss bevels, and mismatched sizes, do nothing.
  for (int kind : {0, 8, 9, 10, 12, 13, 20}) {
    CBevelled b(kind, 9, Columns(), 4, 3);
    EXPECT_FALSE(ApplyEmbossBevel(b.o, b.mask)) << kind;
    EXPECT_EQ(b.mask.bytes, Columns());
    EXPECT_TRUE(b.o.m_bitmap == Colour(4, 3, 100, 100, 100));
  }
  CBevelled wrong(1, 9, Columns(), 4, 3);
  wrong.o.m_width = 5;
  EXPECT_FALSE(ApplyEmbossBevel(wrong.o, wrong.mask));
  EXPECT_EQ(wrong.mask.bytes, Columns());
}

TEST(EmbossBevel, HeightFieldIsBuiltInTheMask) {
  // Bevel width 7 at render scale 2: radius trunc(7/3) · 2 = 4; kind 3 uses profile 2.
  std::vector<uint8_t> field(12 * 10, 0);
  for (int y = 3; y < 7; ++y)
    for (int x = 3; x < 9; ++x) field[y * 12 + x] = 255;
  CBevelled b(3, 7, field, 12, 10);
  b.o.m_renderScale = 2;
  std::vector<uint8_t> expected = field;
  CHeightFieldBuilder builder;
  builder.m_profile = 2;
  builder.BuildHeightField(expected.data(), 12, 10, 4, kHeightBoth);
  ASSERT_NE(expected, field);
  CDIBSection shaded = Colour(12, 10, 100, 100, 100);
  EmbossShade(shaded, expected.data(), 12, 10, 180.0, 30.0, 255, 10, false);
  EXPECT_TRUE(ApplyEmbossBevel(b.o, b.mask));
  EXPECT_EQ(b.mask.bytes, expected);
  EXPECT_TRUE(b.o.m_bitmap == shaded);
}

}  // namespace
}  // namespace tessel
