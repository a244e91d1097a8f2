// The bevel step: dispatch, the emboss edge cases through it, "Bump Out" arithmetic and
// the properties of the other kinds (ball lit towards the light, extrude walls, smears
// that keep the ink, backlit rim, monotone wash).
#include "render/bevel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "render/coverage_mask.h"
#include "render/emboss.h"

namespace tessel {
namespace {

// An object of w × h whose mask is given (or a rectangle inset by `inset`), coloured
// blue b, green g, red r, with the mask as alpha.
struct CBevelCase {
  CAppContext app;
  CDrawObject o;
  CCoverageMask mask;
  CBevelCase(int kind, int w, int h, int inset = 4, int b = 60, int g = 120, int r = 200) {
    o.m_width = w, o.m_height = h, o.m_bevelType = kind;
    mask.Reset(w, h, 0);
    for (int y = inset; y < h - inset; ++y)
      for (int x = inset; x < w - inset; ++x) mask.Row(y)[x] = 255;
    o.m_bitmap.Create(w, h, 32);
    Fill(b, g, r);
  }
  void Fill(int b, int g, int r) {
    for (int y = 0; y < o.m_height; ++y)
      for (int x = 0; x < o.m_width; ++x) {
        uint8_t* p = Px(x, y);
        p[0] = uint8_t(b), p[1] = uint8_t(g), p[2] = uint8_t(r), p[3] = mask.At(x, y);
      }
  }
  uint8_t* Px(int x, int y) { return o.m_bitmap.RowFromTop(y) + 4 * x; }
  int Sum(int x, int y) { return Px(x, y)[0] + Px(x, y)[1] + Px(x, y)[2]; }
  // Σ colour · alpha over the box, per channel summed.
  double Ink() {
    double ink = 0;
    for (int y = 0; y < o.m_height; ++y)
      for (int x = 0; x < o.m_width; ++x) ink += double(Sum(x, y)) * Px(x, y)[3];
    return ink;
  }
  bool Run() { return ApplyBevel(o, mask); }
};

TEST(Bevel, KindsWithoutARoutineAndBadSizesChangeNothing) {
  for (const int kind : {0, 9, 23, -1}) {
    CBevelCase c(kind, 20, 16);
    const CDIBSection before = c.o.m_bitmap.Clone();
    const std::vector<uint8_t> mask = c.mask.bytes;
    EXPECT_FALSE(c.Run()) << kind;
    EXPECT_TRUE(c.o.m_bitmap == before);
    EXPECT_EQ(c.mask.bytes, mask);
  }
  for (int kind = 1; kind <= 22; ++kind) {
    CBevelCase c(kind, 20, 16);
    c.o.m_width = 21;  // the box no longer matches the bitmap
    EXPECT_FALSE(c.Run()) << kind;
    CBevelCase empty(kind, 20, 16);
    empty.o.m_bitmap.Release();
    EXPECT_FALSE(empty.Run()) << kind;
  }
}

TEST(Bevel, DepthZeroAndFullCoverageLeaveTheColours) {
  // Depth 0: the emboss kinds, the warp, the extrusions, smears and the wash keep every
  // colour (the 3D Ball, "Bump Out" and "Backlight" are not a blend with the original).
  for (const int kind : {1, 2, 3, 4, 5, 6, 7, 10, 11, 13, 14, 16, 17, 19, 20, 21, 22}) {
    CBevelCase c(kind, 40, 30);
    c.o.m_bevelWidth = 12, c.o.m_bevelParam1 = 0;
    const CDIBSection before = c.o.m_bitmap.Clone();
    EXPECT_TRUE(c.Run()) << kind;
    EXPECT_TRUE(c.o.m_bitmap == before) << kind;
  }
  // Depth 100 on a fully covered box: the field stays flat (S = 255), nothing changes.
  for (const int kind : {1, 2, 3, 5, 6, 11, 21, 22}) {
    CBevelCase c(kind, 30, 20, 0);
    c.o.m_bevelWidth = 9, c.o.m_bevelParam1 = 100;
    const CDIBSection before = c.o.m_bitmap.Clone();
    EXPECT_TRUE(c.Run()) << kind;
    EXPECT_TRUE(c.o.m_bitmap == before) << kind;
  }
}

TEST(Bevel, SaucerAndFrameBendAFlatField) {
  // A flat field stays flat through blur and mean; the profile of kind − 1 then maps it:
  // "Saucer" 220 → 140, 240 → 120; "Frame " 220 → 190, 240 → 180.
  const int expected[2][2] = {{140, 120}, {190, 180}};
  for (const int kind : {5, 6})
    for (const int level : {220, 240}) {
      CBevelCase c(kind, 12, 10, 0);
      c.o.m_bevelWidth = 3;
      std::fill(c.mask.bytes.begin(), c.mask.bytes.end(), uint8_t(level));
      EXPECT_TRUE(c.Run());
      for (const uint8_t v : c.mask.bytes) ASSERT_EQ(v, expected[kind - 5][level == 240]) << kind << " " << level;
    }
}

TEST(Bevel, BumpOutKeepsOnlyTheRelief) {
  // The grey base embossed as "Smooth Bevel" would be; then alpha · min(2|b − 128|, 255) /
  // 255, lit pixels white and shaded ones black.
  CBevelCase c(8, 40, 30, 8, 128, 128, 128);
  c.o.m_bevelWidth = 9, c.o.m_bevelParam1 = 60;
  CBevelCase ref(1, 40, 30, 8, 128, 128, 128);
  ref.o.m_bevelWidth = 9, ref.o.m_bevelParam1 = 60;
  ASSERT_TRUE(c.Run());
  ASSERT_TRUE(ref.Run());
  EXPECT_EQ(c.mask.bytes, ref.mask.bytes);
  int lit = 0, shaded = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const int k = ref.Px(x, y)[0] - 128;
      const int s = std::min(2 * std::abs(k), 255);
      ASSERT_EQ(c.Px(x, y)[3], ref.Px(x, y)[3] * s / 255) << x << "," << y;
      ASSERT_EQ(c.Px(x, y)[1], k > 0 ? 255 : 0);
      lit += k > 0, shaded += k < 0;
    }
  EXPECT_GT(lit, 20);
  EXPECT_GT(shaded, 20);
  // With an effect the shaded side takes the shadow's colour (times its alpha); an
  // empty shadow bitmap is left alone.
  CBevelCase e(8, 40, 30, 8, 128, 128, 128);
  e.o.m_bevelWidth = 9, e.o.m_bevelParam1 = 60, e.o.m_effect = 1;
  ASSERT_TRUE(e.Run());
  EXPECT_TRUE(e.o.m_bitmap == c.o.m_bitmap);
  CBevelCase s(8, 40, 30, 8, 128, 128, 128);
  s.o.m_bevelWidth = 9, s.o.m_bevelParam1 = 60, s.o.m_effect = 1;
  s.o.m_shadowBitmap.Create(60, 50, 32);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 60; ++x) {
      uint8_t* p = s.o.m_shadowBitmap.RowFromTop(y) + 4 * x;
      p[0] = 10, p[1] = 20, p[2] = 200, p[3] = 255;
    }
  ASSERT_TRUE(s.Run());
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      if (ref.Px(x, y)[0] < 128) {
        ASSERT_EQ(s.Px(x, y)[2], 200);
      }
}

TEST(Bevel, BallIsBrightestTowardsTheLight) {
  CBevelCase c(12, 101, 101, 0, 100, 100, 100);
  c.o.m_bevelParam1 = 50;
  ASSERT_TRUE(c.Run());
  // Default light from the upper left: that quadrant holds the brightest pixel, the
  // lower right the darkest; the middle keeps roughly its tone.
  int best = -1, bx = 0, by = 0;
  long quadrant[2][2] = {};
  for (int y = 12; y < 89; ++y)
    for (int x = 12; x < 89; ++x) {
      if (c.mask.At(x, y) == 0) continue;
      if (c.Sum(x, y) > best) best = c.Sum(x, y), bx = x, by = y;
      if (x != 50 && y != 50) quadrant[y > 50][x > 50] += c.Sum(x, y);
    }
  EXPECT_LT(bx, 50);
  EXPECT_LT(by, 50);
  EXPECT_GT(quadrant[0][0], quadrant[0][1]);
  EXPECT_GT(quadrant[0][0], quadrant[1][0]);
  EXPECT_LT(quadrant[1][1], quadrant[0][1]);
  EXPECT_LT(quadrant[1][1], quadrant[1][0]);
  EXPECT_EQ(best, 765);
  EXPECT_NEAR(c.Sum(50, 50), 300, 45);
  // The mask became the sphere's height: 255 at the middle, 0 beyond the rim at 40.
  EXPECT_EQ(c.mask.At(50, 50), 255);
  EXPECT_EQ(c.mask.At(5, 50), 0);
  EXPECT_EQ(c.mask.At(50, 9), 0);
  EXPECT_EQ(c.mask.At(30, 50), c.mask.At(70, 50));
  // A light from the right moves the highlight there.
  CBevelCase r(12, 101, 101, 0, 100, 100, 100);
  r.o.m_lightDir = {1.0, 0.0, 1.0};
  ASSERT_TRUE(r.Run());
  EXPECT_GT(r.Sum(75, 50), r.Sum(25, 50) + 150);
}

TEST(Bevel, ExtrusionsHaveWallsAwayFromTheLight) {
  // Light from the upper left (135°), depth 10: the front face keeps its colour, the walls
  // lie at the lower right, darker; the barrel is brightest half-way back; the glass walls
  // lose alpha.
  for (const int kind : {13, 14, 15}) {
    CBevelCase c(kind, 60, 60, 5);
    c.o.m_bevelWidth = 10, c.o.m_bevelParam1 = 100;
    ASSERT_TRUE(c.Run());
    EXPECT_EQ(c.Sum(10, 10), 380) << kind;  // front face
    EXPECT_EQ(c.Px(10, 10)[3], 255);
    EXPECT_LT(c.Sum(53, 53), 380) << kind;  // wall at the back corner
    EXPECT_LT(c.Sum(30, 53), 380) << kind;  // wall below the front face
    if (kind == 14) {
      EXPECT_GT(c.Sum(30, 50), c.Sum(30, 48));  // half-way back against the front edge
      EXPECT_GT(c.Sum(30, 50), c.Sum(30, 54));  // and against the back
    }
    if (kind == 15) {
      EXPECT_LT(c.Px(53, 53)[3], 255);
    } else {
      EXPECT_EQ(c.Px(53, 53)[3], 255);
    }
    EXPECT_EQ(c.Px(2, 2)[3], 0);
  }
}

TEST(Bevel, SmearsKeepTheInkAndFollowTheirPath) {
  // Vertical stripes in an ellipse-free rectangle: every smear keeps Σ colour · alpha and
  // the alpha; the linear smear at 0° mixes columns but never rows.
  for (const int kind : {16, 17, 19}) {
    CBevelCase c(kind, 64, 48, 6);
    c.o.m_bevelWidth = 4, c.o.m_bevelParam1 = 100, c.o.m_bevelParam2 = 0;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 64; ++x) c.Px(x, y)[1] = uint8_t(x % 4 < 2 ? 30 : 230);
    const double ink = c.Ink();
    const std::vector<uint8_t> alpha = c.mask.bytes;
    ASSERT_TRUE(c.Run());
    EXPECT_NEAR(c.Ink() / ink, 1.0, 0.004) << kind;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 64; ++x) ASSERT_EQ(c.Px(x, y)[3], alpha[size_t(y) * 64 + x]);
    if (kind == 16) {
      EXPECT_GT(c.Px(20, 20)[1], 60);
      EXPECT_LT(c.Px(22, 20)[1], 200);
      for (int y = 7; y < 41; ++y) ASSERT_EQ(c.Px(30, y)[1], c.Px(30, 20)[1]);
    }
  }
}

TEST(Bevel, BacklightGlowsAtTheRim) {
  CBevelCase c(18, 80, 80, 10, 100, 100, 100);
  c.o.m_bevelWidth = 6, c.o.m_bevelParam1 = 100;
  ASSERT_TRUE(c.Run());
  EXPECT_EQ(c.Sum(40, 40), 150);  // the silhouette at half brightness
  EXPECT_GT(c.Sum(11, 40), 600);  // the rim lit from behind
  EXPECT_GT(c.Sum(11, 40), c.Sum(16, 40));
  EXPECT_GT(c.Sum(16, 40), c.Sum(40, 40));
}

TEST(Bevel, WashFadesMonotonicallyTowardsTheLight) {
  for (const int angle : {0, 90, 135, 250}) {
    CBevelCase c(20, 50, 40, 3);
    c.o.m_bevelParam1 = 100, c.o.m_bevelParam2 = angle;
    ASSERT_TRUE(c.Run());
    const double dx = std::cos(angle * 3.1415926535 / 180), dy = -std::sin(angle * 3.1415926535 / 180);
    // Along the direction towards the light no channel ever falls.
    for (int y = 3; y < 37; ++y)
      for (int x = 3; x < 47; ++x) {
        const int nx = x + (dx > 0.5 ? 1 : dx < -0.5 ? -1 : 0), ny = y + (dy > 0.5 ? 1 : dy < -0.5 ? -1 : 0);
        if (nx < 3 || nx >= 47 || ny < 3 || ny >= 37) continue;
        ASSERT_GE(c.Px(nx, ny)[0], c.Px(x, y)[0]) << angle;
        ASSERT_GE(c.Px(nx, ny)[2], c.Px(x, y)[2]) << angle;
      }
  }
  CBevelCase c(20, 50, 40, 3);
  c.o.m_bevelParam1 = 100, c.o.m_bevelParam2 = 0;
  ASSERT_TRUE(c.Run());
  EXPECT_EQ(c.Px(3, 20)[0], 60);  // far from the light: untouched
  EXPECT_EQ(c.Px(46, 20)[0], 255);  // nearest: washed out
}

}  // namespace
}  // namespace tessel
