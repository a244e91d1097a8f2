#include <gtest/gtest.h>

#include <vector>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "render/coverage_mask.h"
#include "render/edge_bevels.h"
#include "render/outline.h"

namespace tessel {
namespace {

// A w × h mask: 0 in the outer `border` pixels, 255 inside.
CCoverageMask Square(int w, int h, int border) {
  CCoverageMask m;
  m.Reset(w, h, 0);
  for (int y = border; y < h - border; ++y)
    for (int x = border; x < w - border; ++x) m.Row(y)[x] = 255;
  return m;
}

TEST(FeatherMask, DepthZeroKeepsAndDepthHundredReplacesTheMask) {
  CAppContext app;
  CDrawObject o;
  o.m_width = o.m_height = 40;
  o.m_bevelWidth = 2;  // below 3: the radius is still 1
  o.m_bevelParam1 = 0;
  const CCoverageMask sharp = Square(40, 40, 12);
  CCoverageMask m = sharp;
  EXPECT_FALSE(FeatherMask(o, m));
  EXPECT_EQ(m.bytes, sharp.bytes);

  o.m_bevelParam1 = 100;
  ASSERT_TRUE(FeatherMask(o, m));
  EXPECT_GE(m.At(20, 20), 254);  // flat inside and outside stay (nearly) as they were
  EXPECT_EQ(m.At(0, 0), 0);
  EXPECT_GT(m.At(12, 20), 100);  // the edge is softened on both sides
  EXPECT_LT(m.At(12, 20), 255);
  EXPECT_GT(m.At(11, 20), 0);
  const CCoverageMask full = m;

  // Depth 60: mask · 40 · 0.005 + blurred, clamped: 0.2 · 255 + 255 saturates inside,
  // the outside edge pixel (mask 0) takes the blurred value alone.
  m = sharp;
  o.m_bevelParam1 = 60;
  ASSERT_TRUE(FeatherMask(o, m));
  EXPECT_EQ(m.At(11, 20), full.At(11, 20));
  EXPECT_EQ(m.At(12, 20), std::min(255, int(255 * 40 * 0.005 + full.At(12, 20))));
  EXPECT_EQ(m.At(20, 20), 255);
}

TEST(OutlineBevel, RingIsBrightestWhereTheEdgeCrossesTheMiddle) {
  // Without blur (radius 0) the flat values show the two branches exactly.
  const std::pair<int, int> flat[] = {{0, 0}, {100, 200}, {128, 255}, {129, 253}, {200, 111}, {255, 1}};
  for (auto [in, out] : flat) {
    CCoverageMask m;
    m.Reset(5, 4, uint8_t(in));
    OutlineBevel(m, 0.0);
    EXPECT_EQ(m.At(2, 2), out) << "value " << in;
  }
  CCoverageMask m = Square(60, 60, 15);
  OutlineBevel(m, 3.0);
  EXPECT_LE(m.At(30, 30), 3);  // deep inside: 511 − 2 · 255 (the blur keeps 254 or 255)
  EXPECT_EQ(m.At(0, 30), 0);
  int peak = 0, peakX = 0;
  for (int x = 0; x < 30; ++x)
    if (m.At(x, 30) > peak) peak = m.At(x, 30), peakX = x;
  EXPECT_GE(peak, 200);
  EXPECT_NEAR(peakX, 15, 1);  // on the edge
}

TEST(Outline, RadiiAndStrengths) {
  EXPECT_DOUBLE_EQ(OutlineRadius(kOutlineSolid, 140), 1.5);
  EXPECT_DOUBLE_EQ(OutlineRadius(kOutlineThick, 30), 3.0);  // no 0.5 added
  EXPECT_DOUBLE_EQ(OutlineRadius(kOutlineSoft, 20), 1.0);
  EXPECT_DOUBLE_EQ(OutlineRadius(kOutlineBlured, 10), 1.0);
  // o = 255 − blurred; below 2 nothing.
  EXPECT_EQ(OutlineStrength(kOutlineBlured, 1.0, 254), 0);
  EXPECT_EQ(OutlineStrength(kOutlineBlured, 1.0, 253), 2);
  // "Thick Outline" cubes: saturated from o = 7 on (343), 6 gives 216.
  EXPECT_EQ(OutlineStrength(kOutlineThick, 2.0, 255 - 6), 216);
  EXPECT_EQ(OutlineStrength(kOutlineThick, 2.0, 255 - 7), 255);
  EXPECT_EQ(OutlineStrength(kOutlineSoft, 1.0, 255 - 50), 150);
  // "Solid Outline" by radius: unchanged, doubled, tripled, then trunc(3r) + 1.
  EXPECT_EQ(OutlineStrength(kOutlineSolid, 0.59, 215), 40);
  EXPECT_EQ(OutlineStrength(kOutlineSolid, 0.6, 215), 80);
  EXPECT_EQ(OutlineStrength(kOutlineSolid, 1.0, 215), 120);
  EXPECT_EQ(OutlineStrength(kOutlineSolid, 1.2, 235), 80);
  EXPECT_EQ(OutlineStrength(kOutlineSolid, 2.0, 235), 140);
}

// A 40 × 30 rectangle, red inside, rendered with the given outline.
struct OutlinedRect {
  CAppContext app;
  CDrawObject o;
  explicit OutlinedRect(int kind, int width = 20) {
    o.m_antiAlias = 1;
    o.m_color = 0x0000FF;
    o.m_outlineType = kind;
    o.m_outlineWidth = width;
    o.m_outlineColor2 = 0xFF0000;  // blue first colour
    o.CreateRectangle(0, 0, 40, 30);
  }
  const uint8_t* Px(int x, int y) const { return o.m_bitmap.RowFromTop(y) + 4 * x; }
};

TEST(Outline, BandInsideTheEdgeAlphaUntouched) {
  for (int kind = kOutlineSolid; kind <= kOutlineBlured; ++kind) {
    OutlinedRect r(kind);
    OutlinedRect plain(kOutlineNone);
    const int cx = r.o.m_width / 2, cy = r.o.m_height / 2;
    EXPECT_EQ(r.Px(cx, cy)[2], 255) << kind;  // the middle keeps its red
    EXPECT_EQ(r.Px(cx, cy)[0], 0) << kind;
    const int edge = r.o.MaskMargin();        // first inside column
    EXPECT_GT(r.Px(edge, cy)[0], 60) << kind; // blue creeps in at the edge
    for (int y = 0; y < r.o.m_height; ++y)
      for (int x = 0; x < r.o.m_width; ++x) ASSERT_EQ(r.Px(x, y)[3], plain.Px(x, y)[3]);
  }
  OutlinedRect thick(kOutlineThick, 1);  // o³ saturates: the edge is pure outline colour
  EXPECT_EQ(thick.Px(thick.o.MaskMargin(), thick.o.m_height / 2)[0], 255);
  EXPECT_EQ(thick.Px(thick.o.MaskMargin(), thick.o.m_height / 2)[2], 0);
}

TEST(Outline, ThreeColourGradientFollowsItsAngle) {
  OutlinedRect r(kOutlineThick, 1);  // a saturated band shows the pure outline colour
  r.o.m_outlineParam0 = 1;
  r.o.m_outlineColor2 = 0x000000;  // black first, white middle, red last
  r.o.m_outlineColor = 0xFFFFFF;
  r.o.m_outlineColor3 = 0x0000FF;
  auto edges = [&](int angle, double mid) {  // red at the left, red and green at the right
    r.o.m_outlineParam1 = angle;
    r.o.m_outlineSoftness = mid;
    r.o.RenderObject(false, nullptr);
    const int e = r.o.MaskMargin(), y = r.o.m_height / 2;
    return std::vector<int>{r.Px(e, y)[2], r.Px(r.o.m_width - 1 - e, y)[2], r.Px(r.o.m_width - 1 - e, y)[1]};
  };
  std::vector<int> c = edges(0, 0.5);  // left to right: black, then white, then red
  EXPECT_LT(c[0], 40);
  EXPECT_GT(c[1], 215);
  EXPECT_LT(c[2], 40);
  c = edges(180, 0.5);  // mirrored
  EXPECT_GT(c[0], 215);
  EXPECT_LT(c[1], 40);
  c = edges(0, 1.0);  // the midpoint at the end divides by nothing: black to white
  EXPECT_GT(c[1], 215);
  EXPECT_GT(c[2], 215);
}

}  // namespace
}  // namespace tessel
