#include <gtest/gtest.h>

#include <cmath>

#include "render/texture_mapping.h"

namespace tessel {
namespace {

// A tw × th 24-bit picture whose texel (x, y) (from the top) is (blue x·40, green y·40, red 7).
CDIBSection Numbered(int tw, int th) {
  CDIBSection pic;
  pic.Create(tw, th, 24);
  for (int y = 0; y < th; ++y)
    for (int x = 0; x < tw; ++x) {
      uint8_t* p = pic.RowFromTop(y) + 3 * x;
      p[0] = uint8_t(x * 40);
      p[1] = uint8_t(y * 40);
      p[2] = 7;
    }
  return pic;
}

std::vector<uint8_t> Row(const CTextureMapping& m, const CTextureImage& tex, int w, int y) {
  std::vector<uint8_t> out(size_t(w) * 3);
  m.SampleRow(tex, y, out.data());
  return out;
}

TEST(TextureMapping, UntransformedTextureLandsTexelForTexelAndTiles) {
  const CDIBSection pic = Numbered(3, 2);
  const CTextureImage tex(pic);
  // Box 7 × 4: corner at ((7 − 3)/2, (4 − 2)/2) = (2, 1).
  const CTextureMapping m(CTexturePlacement{}, 7, 4, 3, 2);
  EXPECT_FALSE(m.HasPerspective());
  double u, v;
  m.Map(2, 1, u, v);
  EXPECT_EQ(u, 0.0);
  EXPECT_EQ(v, 0.0);
  const auto row1 = Row(m, tex, 7, 1);
  // Box x 0..6 reads texel columns 1, 2, 0, 1, 2, 0, 1 of texel row 0.
  const int cols[7] = {1, 2, 0, 1, 2, 0, 1};
  for (int x = 0; x < 7; ++x) {
    EXPECT_EQ(row1[3 * x], cols[x] * 40) << x;
    EXPECT_EQ(row1[3 * x + 1], 0) << x;
    EXPECT_EQ(row1[3 * x + 2], 7) << x;
  }
  EXPECT_EQ(Row(m, tex, 7, 0)[3 * 2 + 1], 40);  // box row 0 reads texel row 1 (wrapped)

  // Offsets move the corner, taken modulo the texture size: 4 % 3 = 1, −3 % 2 = −1.
  CTexturePlacement shifted;
  shifted.offsetX = 4;
  shifted.offsetY = -3;
  const CTextureMapping s(shifted, 7, 4, 3, 2);
  s.Map(3, 0, u, v);
  EXPECT_EQ(u, 0.0);
  EXPECT_EQ(v, 0.0);
}

TEST(TextureMapping, RotationScaleAndSecondAngle) {
  double u, v;
  // Angle 90 is applied as 270: box x runs down the texture's v, box y up its u.
  CTexturePlacement turned;
  turned.angle = 90;
  const CTextureMapping r(turned, 4, 4, 2, 2);  // centre (2, 2), texture centre (1, 1)
  r.Map(3, 2, u, v);
  EXPECT_EQ(u, 1.0);
  EXPECT_EQ(v, 2.0);
  r.Map(2, 3, u, v);
  EXPECT_EQ(u, 0.0);
  EXPECT_EQ(v, 1.0);

  // Scale 2 takes half a texel per pixel; bilinear gives the truncated mean.
  CTexturePlacement big;
  big.scaleX = 2;
  big.scaleY = -1;  // a negative scale acts as its magnitude
  const CDIBSection pic = Numbered(4, 1);
  const CTextureImage tex(pic);
  const CTextureMapping b(big, 8, 1, 4, 1);  // corner (2, 0), centre (4, 0.5)
  b.Map(5, 0, u, v);
  EXPECT_EQ(u, 2.5);
  EXPECT_EQ(v, 0.0);
  EXPECT_EQ(Row(b, tex, 8, 0)[3 * 5], 100);  // (80 + 120) / 2

  // Scale 0 counts as 0.001: a thousand texels per pixel.
  CTexturePlacement tiny;
  tiny.scaleX = 0;
  const CTextureMapping t(tiny, 10, 10, 4, 4);
  double u0, u1;
  t.Map(0, 0, u0, v);
  t.Map(1, 0, u1, v);
  EXPECT_NEAR(u1 - u0, 1000.0, 1e-6);

  // The second angle turns the texture's y axis: a step down the box moves along u too.
  CTexturePlacement skew;
  skew.angle2 = 45;
  const CTextureMapping k(skew, 10, 10, 4, 4);
  double ua, va, ub, vb;
  k.Map(5, 5, ua, va);
  k.Map(5, 6, ub, vb);
  EXPECT_NEAR(ub - ua, 1.0, 1e-9);             // tan 45° (π as 3.1415926535)
  EXPECT_NEAR(vb - va, std::sqrt(2.0), 1e-9);  // 1 / cos 45°
}

TEST(TextureMapping, PerspectiveShrinksTheFarSide) {
  CTexturePlacement p;
  p.perspAmount = 3.0;  // k = 0.5
  p.perspAngle = 0.0;   // recedes to the left
  const CTextureMapping m(p, 100, 100, 10, 10);
  ASSERT_TRUE(m.HasPerspective());
  const CTextureMapping flat(CTexturePlacement{}, 100, 100, 10, 10);
  double u, v, fu, fv;
  m.Map(50, 50, u, v);
  flat.Map(50, 50, fu, fv);
  EXPECT_EQ(u, fu);
  EXPECT_EQ(v, fv);
  // The vertical texel step at the left edge (z = 2) against the right edge (z = 2/3).
  auto stepV = [&](double x) {
    double ua, va, ub, vb;
    m.Map(x, 50, ua, va);
    m.Map(x, 51, ub, vb);
    return vb - va;
  };
  EXPECT_NEAR(stepV(0), 2.0, 1e-12);
  EXPECT_NEAR(stepV(100), 2.0 / 3.0, 1e-12);
  // A negative angle counts as 0; 360 is the same direction again.
  CTexturePlacement neg = p, full = p;
  neg.perspAngle = -40;
  full.perspAngle = 360;
  double nu, nv, qu, qv;
  for (double x : {0.0, 13.0, 77.0}) {
    m.Map(x, 20, u, v);
    CTextureMapping(neg, 100, 100, 10, 10).Map(x, 20, nu, nv);
    CTextureMapping(full, 100, 100, 10, 10).Map(x, 20, qu, qv);
    EXPECT_EQ(u, nu);
    EXPECT_EQ(v, nv);
    EXPECT_NEAR(u, qu, 1e-12);
  }
  // 90 degrees recedes downwards: the horizontal step grows towards the bottom.
  p.perspAngle = 90;
  const CTextureMapping down(p, 100, 100, 10, 10);
  double a0, b0, a1, b1;
  down.Map(50, 100, a0, b0);
  down.Map(51, 100, a1, b1);
  EXPECT_NEAR(a1 - a0, 2.0, 1e-12);
  // Sampled rows stay inside the texture whatever the transform.
  const CDIBSection pic = Numbered(5, 3);
  const CTextureImage tex(pic);
  CTexturePlacement wild;
  wild.angle = 33;
  wild.angle2 = 89.999;
  wild.scaleX = 1e-9;
  wild.scaleY = std::nan("");
  wild.perspAmount = 1e9;
  wild.perspAngle = 1234.5;
  wild.offsetX = -2147483647;
  const CTextureMapping w(wild, 50, 20, 5, 3);
  for (int y = 0; y < 20; ++y) Row(w, tex, 50, y);
}

TEST(TextureMapping, SteppedRowsMatchThePlainForm) {
  const CDIBSection pic = Numbered(7, 5);
  const CTextureImage tex(pic);
  uint32_t seed = 12345;
  auto next = [&seed](double lo, double hi) {
    seed = seed * 1664525u + 1013904223u;
    return lo + (hi - lo) * ((seed >> 8) / double(1 << 24));
  };
  for (int trial = 0; trial < 200; ++trial) {
    CTexturePlacement p;
    p.angle = next(-720, 720);
    p.angle2 = next(-80, 80);
    p.scaleX = next(-9, 9);
    p.scaleY = next(0.01, 3);
    p.offsetX = int(next(-500, 500));
    p.offsetY = int(next(-500, 500));
    const int w = 1 + int(next(0, 300));
    const CTextureMapping m(p, w, 40, tex.width, tex.height);
    for (int y : {0, 17, 39}) {
      std::vector<uint8_t> fast(size_t(w) * 3), plain(size_t(w) * 3);
      m.SampleRow(tex, y, fast.data());
      m.SampleRowReference(tex, y, plain.data());
      ASSERT_EQ(fast, plain) << "trial " << trial << " row " << y;
    }
  }
}

TEST(TextureMapping, SinCosDegreesExactOnTheAxes) {
  double s, c;
  SinCosDegrees(270.0, s, c);
  EXPECT_EQ(s, -1.0);
  EXPECT_EQ(c, 0.0);
  SinCosDegrees(-90.0, s, c);
  EXPECT_EQ(s, -1.0);
  SinCosDegrees(720.0, s, c);
  EXPECT_EQ(s, 0.0);
  EXPECT_EQ(c, 1.0);
  SinCosDegrees(30.0, s, c);
  EXPECT_NEAR(s, 0.5, 1e-9);
}

}  // namespace
}  // namespace tessel
