#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "geometry/envelope.h"
#include "render/coverage_mask.h"

namespace tessel {
namespace {

CCoverageMask MaskOf(CDrawObject& o) {
  CCoverageMask mask;
  EXPECT_EQ(PrepareCoverageMask(o, mask), 1);
  return mask;
}

int Factor(int type, int w, int h, int mode, int bevel = 0, const std::string& text = "", int envelope = 0) {
  CDrawObject o;
  o.m_type = type;
  o.m_width = w;
  o.m_height = h;
  o.m_antiAlias = mode;
  o.m_bevelType = bevel;
  o.m_text = text;
  o.m_envelope = envelope;
  return ChooseMaskSampling(o).factor;
}

TEST(MaskSampling, FactorRulesForEachKind) {
  CAppContext app;
  EXPECT_EQ(Factor(kTypePath, 5, 5, 4), 5);
  EXPECT_EQ(Factor(kTypePath, 5, 5, 1), 1);
  EXPECT_EQ(Factor(kTypePath, 100, 100, 3), 3);
  EXPECT_EQ(Factor(kTypePath, 1300, 200, 3), 2);
  EXPECT_EQ(Factor(kTypePath, 1450, 1450, 3), 1);
  EXPECT_EQ(Factor(kTypePath, 1350, 1350, 3), 2);
  EXPECT_EQ(Factor(kTypePath, 2100, 50, 3), 1);
  EXPECT_EQ(Factor(kTypePolynome, 100, 50, 2), 9);
  EXPECT_EQ(Factor(kTypePolynome, 250, 50, 2), 7);
  EXPECT_EQ(Factor(kTypePolynome, 350, 50, 2), 4);
  EXPECT_EQ(Factor(kTypePolynome, 1300, 100, 4), 2);
  EXPECT_EQ(Factor(kTypePolynome, 1300, 1300, 4), 1);
  EXPECT_EQ(Factor(kTypePolynome, 320, 700, 2, 0, "one\ntwo", 1), 3);  // line height 350
  EXPECT_EQ(Factor(kTypePolynome, 320, 700, 2, 0, "one\ntwo", 0), 4);  // not live text
  EXPECT_EQ(Factor(kTypePolynome, 100, 1100, 4, 0, "big", 1), 2);       // line height 1100
  EXPECT_EQ(Factor(kTypePath, 1300, 1300, 3, 12), 1);                   // 3D Ball: both above 1200
  EXPECT_EQ(Factor(kTypePath, 1600, 50, 3, 12), 1);
  EXPECT_EQ(Factor(kTypePath, 100, 100, 9), 4);  // a damaged mode is held to "Extreme"

  CDrawObject text;
  text.m_type = kTypePolynome;
  text.m_width = 100;
  text.m_height = 50;
  text.m_antiAlias = 2;
  EXPECT_EQ(ChooseMaskSampling(text).margin, 2 * 9);
}

TEST(CoverageMask, ClosedRectangleLeavesItsTwoPixelBorder) {
  CAppContext app;
  for (int mode = 1; mode <= 4; ++mode) {
    CDrawObject o;
    o.m_antiAlias = mode;
    o.CreateRectangle(0, 0, 30, 20);  // box 34 x 24
    const CCoverageMask m = MaskOf(o);
    for (int y = 0; y < m.height; ++y)
      for (int x = 0; x < m.width; ++x) {
        const bool inside = x >= 2 && x < m.width - 2 && y >= 2 && y < m.height - 2;
        ASSERT_EQ(m.At(x, y), inside ? 255 : 0) << "mode " << mode << " at " << x << "," << y;
      }
  }
}

TEST(CoverageMask, EllipseIsAntiAliasedAndSymmetric) {
  CAppContext app;
  CDrawObject o;
  o.CreateCircle(0, 0, 60, 60);
  const CCoverageMask m = MaskOf(o);
  EXPECT_EQ(m.At(32, 32), 255);
  EXPECT_EQ(m.At(3, 3), 0);
  int partial = 0;
  for (int y = 0; y < m.height; ++y)
    for (int x = 0; x < m.width; ++x) {
      // Mirror images, up to one work sample that the rasteriser's tie rule puts on one side.
      ASSERT_NEAR(m.At(x, y), m.At(m.width - 1 - x, y), 255 / 9 + 1) << x << "," << y;
      partial += m.At(x, y) > 0 && m.At(x, y) < 255;
    }
  EXPECT_GT(partial, 40);  // the edge is smoothed
}

TEST(CoverageMask, OpenPathIsStrokedWithTheLineWidth) {
  CAppContext app;
  CDrawObject o;
  o.m_antiAlias = 1;
  o.m_lineWidth = 4;
  ASSERT_TRUE(o.CreatePath({{10, 10}, {10, 10}, {90, 10}, {90, 10}}, false));  // horizontal line
  const CCoverageMask m = MaskOf(o);
  ASSERT_EQ(m.width, 104);
  ASSERT_EQ(m.height, 24);
  // The pen of width 4 is centred on row 12, the middle of the drawing rectangle.
  int rows = 0;
  for (int y = 0; y < m.height; ++y) rows += m.At(50, y) == 255;
  EXPECT_EQ(rows, 4);
  EXPECT_EQ(m.At(50, 12), 255);
  EXPECT_EQ(m.At(50, 5), 0);
  EXPECT_EQ(m.At(50, 19), 0);
  // Round caps reach half the pen beyond the end points, no further.
  EXPECT_EQ(m.At(11, 12), 255);
  EXPECT_EQ(m.At(8, 12), 0);
  EXPECT_EQ(m.At(95, 12), 0);

  o.m_lineWidth = 8;
  o.m_renderScale = 1;
  const CCoverageMask wide = MaskOf(o);
  rows = 0;
  for (int y = 0; y < wide.height; ++y) rows += wide.At(50, y) == 255;
  EXPECT_EQ(rows, 8);
}

// Two overlapping squares in one contour set.
CDrawObject& Squares(CDrawObject& o, int combine) {
  o.m_type = kTypePolynome;
  o.m_antiAlias = 1;
  o.m_layerFlag = combine;
  o.m_polynome.m_points = {{0, 0, kPolyIsland}, {600, 0, 0},     {600, 600, 0},   {0, 600, 0},
                           {400, 400, kPolyIsland}, {1000, 400, 0}, {1000, 1000, 0}, {400, 1000, 0}};
  o.AllocateBitmaps(104, 104);  // drawing rectangle 100 x 100 at (2, 2)
  return o;
}

TEST(CoverageMask, OverlapIsEmptyForXorAndFullForUnion) {
  CAppContext app;
  CDrawObject xorSet, unionSet;
  const CCoverageMask x = MaskOf(Squares(xorSet, 0));
  const CCoverageMask u = MaskOf(Squares(unionSet, 1));
  EXPECT_EQ(x.At(52, 52), 0);    // in both squares
  EXPECT_EQ(u.At(52, 52), 255);
  EXPECT_EQ(x.At(12, 12), 255);  // in one square only
  EXPECT_EQ(u.At(92, 92), 255);
  EXPECT_EQ(x.At(92, 12), 0);    // in neither
  EXPECT_EQ(x.At(1, 1), 0);
}

TEST(CoverageMask, OutlineOnlyContoursAreStroked) {
  CAppContext app;
  CDrawObject o;
  Squares(o, 0);
  o.m_polynome.m_open = 1;
  o.m_lineWidth = 2;
  o.AllocateBitmaps(124, 124);  // open: margin 12, drawing rectangle 100 x 100
  const CCoverageMask m = MaskOf(o);
  EXPECT_EQ(m.At(30, 30), 0);    // inside a square, away from the edges
  EXPECT_EQ(m.At(12, 30), 255);  // on the left edge of the first square
}

TEST(CoverageMask, BallIsAnEllipseInsetElevenPixels) {
  CAppContext app;
  CDrawObject o;
  o.m_antiAlias = 1;
  o.m_bevelType = 12;
  o.CreateStar(0, 0, 96, 66, 5, 3.0);  // box 100 x 70
  const CCoverageMask m = MaskOf(o);
  EXPECT_EQ(m.At(50, 35), 255);
  EXPECT_EQ(m.At(10, 35), 0);
  EXPECT_EQ(m.At(13, 35), 255);
  EXPECT_EQ(m.At(50, 10), 0);
  EXPECT_EQ(m.At(50, 13), 255);
  EXPECT_EQ(m.At(88, 35), 0);
  EXPECT_EQ(m.At(86, 35), 255);
  EXPECT_EQ(m.At(14, 14), 0);  // corners of the star's box are outside the ellipse
}

TEST(CoverageMask, OutlineAndFeatherBevelsShrinkTheFigure) {
  CAppContext app;
  CDrawObject o;
  o.m_antiAlias = 1;
  o.m_bevelType = 7;
  o.m_bevelWidth = 10;
  o.CreateRectangle(0, 0, 100, 100);  // drawing rectangle 100 x 100 at (2, 2)
  // f = 15 % + 20 / 100: the figure spans 2 + trunc(0.175 * 100 + 0.5) = 20 to
  // 2 + trunc(0.825 * 100 + 0.5) = 85.
  const CCoverageMask m = MaskOf(o);
  EXPECT_EQ(m.At(19, 50), 0);
  EXPECT_EQ(m.At(20, 50), 255);
  EXPECT_EQ(m.At(84, 50), 255);
  EXPECT_EQ(m.At(85, 50), 0);
  o.m_bevelType = 9;  // f = 5 % + 20 %: 2 + 13 = 15 to 2 + 88 = 90
  const CCoverageMask f = MaskOf(o);
  EXPECT_EQ(f.At(14, 50), 0);
  EXPECT_EQ(f.At(15, 50), 255);
  EXPECT_EQ(f.At(89, 50), 255);
  EXPECT_EQ(f.At(90, 50), 0);
}

TEST(CoverageMask, EmptyPathsAndBitmaps) {
  CAppContext app;
  CDrawObject o;
  o.m_type = kTypePath;
  o.AllocateBitmaps(20, 20);
  const CCoverageMask m = MaskOf(o);
  for (uint8_t v : m.bytes) ASSERT_EQ(v, 0);
  CDrawObject b;
  b.m_type = kTypeBitmap;
  b.AllocateBitmaps(8, 8);
  CCoverageMask bm;
  EXPECT_EQ(PrepareCoverageMask(b, bm), 0);
  for (uint8_t v : bm.bytes) ASSERT_EQ(v, 255);
}

TEST(CoverageMask, DamagedCoordinatesDrawWithoutHarm) {
  CAppContext app;
  const double nan = std::nan(""), huge = 1e300;
  CDrawObject path;
  path.m_type = kTypePath;
  path.m_path.m_points = {{nan, 0.5, 0}, {huge, -huge, 0}, {0.5, nan, 0}};
  path.m_lineWidth = 1 << 30;
  path.AllocateBitmaps(40, 30);
  CDrawObject poly;
  poly.m_type = kTypePolynome;
  poly.m_polynome.m_points = {{nan, 10, kPolyIsland}, {huge, 500, kPolyCurve}, {-huge, nan, 0}, {1, 1, 0}};
  poly.m_polynome.m_envelope[3] = nan;
  poly.AllocateBitmaps(40, 30);
  for (CDrawObject* o : {&path, &poly}) {
    CCoverageMask m;
    PrepareCoverageMask(*o, m);
    EXPECT_EQ(m.bytes.size(), size_t(o->m_width) * size_t(o->m_height));
  }
}

TEST(MaskReduction, UnrolledKernelsMatchTheGeneralLoop) {
  std::mt19937 rng(42);
  for (int s : {1, 2, 3, 4, 5, 7, 11}) {
    const int w = 37, h = 23, stride = w * s + 7;
    std::vector<uint8_t> work(size_t(stride) * size_t(h * s));
    for (auto& b : work) b = rng() % 3 == 0 ? 0 : uint8_t(rng() % 2 ? 255 : rng());
    CCoverageMask fast, plain;
    fast.Reset(w, h, 1);
    plain.Reset(w, h, 2);
    ReduceWorkRaster(work.data(), stride, s, fast);
    ReduceWorkRasterGeneric(work.data(), stride, s, plain);
    ASSERT_EQ(fast.bytes, plain.bytes) << "s = " << s;
  }
  // 2 x 2 block of 255, 255, 255, 0 averages to 191 (truncated).
  const uint8_t block[4] = {255, 255, 255, 0};
  CCoverageMask one;
  one.Reset(1, 1, 0);
  ReduceWorkRaster(block, 2, 2, one);
  EXPECT_EQ(one.bytes[0], 191);
}

TEST(Envelope, IdentityAndHandles) {
  EnvelopeValues env{};
  EXPECT_TRUE(IsIdentityEnvelope(env));
  const CPointD p = ApplyEnvelope(env, {123.25, 987.5});
  EXPECT_EQ(p.x, 123.25);
  EXPECT_EQ(p.y, 987.5);
  // Moving the top-right corner drags that corner and bends the edges next to it.
  SetEnvelopeHandle(env, 1, {1100, -100});
  EXPECT_FALSE(IsIdentityEnvelope(env));
  const CPointD corner = ApplyEnvelope(env, {1000, 0});
  EXPECT_NEAR(corner.x, 1100, 1e-9);
  EXPECT_NEAR(corner.y, -100, 1e-9);
  const CPointD far = ApplyEnvelope(env, {0, 1000});
  EXPECT_NEAR(far.x, 0, 1e-9);
  EXPECT_NEAR(far.y, 1000, 1e-9);
  // Each handle lands where it was put, corners and edge midpoints alike.
  for (int i = 0; i < kEnvelopeHandles; ++i) SetEnvelopeHandle(env, i, {double(i * 37), double(900 - i * 11)});
  const CPointD rest[8] = {{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}, {500, 0}, {1000, 500}, {500, 1000}, {0, 500}};
  for (int i = 0; i < kEnvelopeHandles; ++i) {
    const CPointD h = EnvelopeHandle(env, i);
    const CPointD q = ApplyEnvelope(env, rest[i]);
    EXPECT_NEAR(q.x, h.x, 1e-9) << i;
    EXPECT_NEAR(q.y, h.y, 1e-9) << i;
  }
}

TEST(CoverageMask, EnvelopeMovesTheContours) {
  CAppContext app;
  CDrawObject o;
  o.m_type = kTypePolynome;
  o.m_antiAlias = 1;
  o.m_polynome.m_points = {{0, 0, kPolyIsland}, {500, 0, 0}, {500, 1000, 0}, {0, 1000, 0}};  // left half
  o.AllocateBitmaps(104, 104);
  EXPECT_EQ(MaskOf(o).At(80, 50), 0);
  // Shifting every handle right by half the box moves the left half to the right half.
  for (int i = 0; i < kEnvelopeHandles; ++i) {
    CPointD h = EnvelopeHandle(o.m_polynome.m_envelope, i);
    SetEnvelopeHandle(o.m_polynome.m_envelope, i, {h.x + 500, h.y});
  }
  const CCoverageMask m = MaskOf(o);
  EXPECT_EQ(m.At(80, 50), 255);
  EXPECT_EQ(m.At(20, 50), 0);
}

TEST(CoverageMask, ConvertedPathKeepsItsOutline) {
  CAppContext app;
  CDrawObject path;
  path.m_antiAlias = 3;
  path.CreateCircle(0, 0, 80, 50);
  const CCoverageMask before = MaskOf(path);
  ASSERT_TRUE(path.ConvertToPolynome(true));
  EXPECT_EQ(path.m_type, kTypePolynome);
  EXPECT_EQ(path.m_envelope, 1);
  EXPECT_EQ(path.m_polynome.m_points.size(), 13u);
  const CCoverageMask after = MaskOf(path);
  ASSERT_EQ(after.width, before.width);
  int bigDifferences = 0;
  for (size_t i = 0; i < before.bytes.size(); ++i) bigDifferences += std::abs(before.bytes[i] - after.bytes[i]) > 64;
  EXPECT_LT(bigDifferences, 10);  // finer sampling of contours moves the edge by a fraction of a pixel

  CDrawObject text;
  EXPECT_FALSE(text.ConvertToPolynome(false));
  CDrawObject bitmap;
  bitmap.m_type = kTypeBitmap;
  EXPECT_FALSE(bitmap.ConvertToPolynome(false));
  EXPECT_TRUE(bitmap.ConvertToPolynome(true));
  EXPECT_TRUE(bitmap.IsBitmapEnvelope());
  EXPECT_EQ(bitmap.m_type, kTypeBitmap);
}

TEST(RenderObject, MaskBecomesAlphaAndOpacityScalesIt) {
  CAppContext app;
  CDrawObject o;
  o.m_color = 0x336699;
  o.CreateCircle(0, 0, 40, 40);
  CCoverageMask mask = MaskOf(o);
  ASSERT_EQ(o.m_rendered, 1);
  for (int y = 0; y < o.m_height; ++y) {
    const uint8_t* row = o.m_bitmap.RowFromTop(y);
    for (int x = 0; x < o.m_width; ++x) {
      ASSERT_EQ(row[4 * x + 3], mask.At(x, y));
      ASSERT_EQ(row[4 * x + 0], 0x33);
      ASSERT_EQ(row[4 * x + 2], 0x99);
    }
  }
  o.m_opacity = 254;
  o.RenderObject(false, nullptr);
  EXPECT_EQ(o.m_bitmap.RowFromTop(22)[4 * 22 + 3], 255);
  o.m_opacity = 127;
  o.RenderObject(false, nullptr);
  EXPECT_EQ(o.m_bitmap.RowFromTop(22)[4 * 22 + 3], 127);
  const int edge = mask.At(4, 22);
  EXPECT_EQ(o.m_bitmap.RowFromTop(22)[4 * 4 + 3], edge * 127 / 255);
  o.m_opacity = -268435456;  // damaged: treated as fully transparent
  o.RenderObject(false, nullptr);
  EXPECT_EQ(o.m_bitmap.RowFromTop(22)[4 * 22 + 3], 0);
}

}  // namespace
}  // namespace tessel
