#include <gtest/gtest.h>

#include "render/colour_gradient.h"
#include "render/coverage_mask.h"

namespace tessel {
namespace {

constexpr uint32_t Rgb(int r, int g, int b) { return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16; }

CDIBSection Solid(int w, int h, int r, int g, int b) {
  CDIBSection bmp;
  bmp.Create(w, h, 32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = bmp.RowFromTop(y) + 4 * x;
      p[0] = uint8_t(b);
      p[1] = uint8_t(g);
      p[2] = uint8_t(r);
      p[3] = 9;
    }
  return bmp;
}

// Red of box pixel (x, y), y from the top.
int Red(const CDIBSection& bmp, int x, int y) { return bmp.RowFromTop(y)[4 * x + 2]; }

TEST(GradientField, LinearRunsAcrossTheBoxInItsDirection) {
  // Angle 0: left to right over L = 100; the weight is (x + ½) · 255 / 100.
  const CGradientField across(kGradientLinear, 100, 10, 1.0, 0.0);
  EXPECT_EQ(across.LinearExtent(), 100);
  EXPECT_EQ(across.AngleSteps(), 1024);
  EXPECT_EQ(across.At(0, 0), 1);
  EXPECT_EQ(across.At(49, 5), 126);
  EXPECT_EQ(across.At(99, 9), 253);
  // Angle 90: bottom to top over L = 10.
  const CGradientField up(kGradientLinear, 100, 10, 1.0, 90.0);
  EXPECT_EQ(up.LinearExtent(), 10);
  EXPECT_EQ(up.AngleSteps(), 768);
  EXPECT_EQ(up.At(50, 9), 12);
  EXPECT_EQ(up.At(3, 0), 242);
  // Amount 255 (extent 255/128) reaches the end colour about half-way.
  const CGradientField steep(kGradientLinear, 100, 10, 255 / 128.0, 0.0);
  EXPECT_EQ(steep.At(30, 0), 154);
  EXPECT_EQ(steep.At(60, 0), 255);
  // 45 degrees over a 1 × 1 box: L = 0, everything is the end colour.
  EXPECT_EQ(CGradientField(kGradientLinear, 1, 1, 1.0, 45.0).At(0, 0), 255);
}

TEST(GradientField, RadialAndBurstFromTheCentre) {
  const CGradientField radial(kGradientRadial, 100, 50, 1.0);
  EXPECT_EQ(radial.At(50, 25), 5);     // the pixel right of and below the centre
  EXPECT_EQ(radial.At(74, 24), 125);   // about half-way along the x half axis
  EXPECT_EQ(radial.At(0, 0), 255);
  // The burst reaches the end colour on its rays only at the inscribed ellipse, and a
  // third of the way between them.
  const CGradientField burst(kGradientBurst, 200, 200, 1.0);
  EXPECT_LE(burst.At(100, 100), 5);
  EXPECT_EQ(burst.At(0, 0), 255);
  // On the ray along +x at half the radius: ρ = 50.5/100, reach 1.
  EXPECT_EQ(burst.At(150, 99), 129);
  // Between two rays (15 degrees) at the same radius: far beyond the reach of 0.35.
  EXPECT_EQ(CGradientField(kGradientBurst, 2000, 2000, 1.0).At(1483, 870), 255);
}

TEST(ColourGradients, RadialIntegerArithmetic) {
  // cx = 5, cy = 3, R = 15 at amount 128.
  CDIBSection bmp = Solid(10, 6, 10, 0, 255);
  RadialColourGradient(bmp, Rgb(200, 255, 0), 128);
  EXPECT_EQ(Red(bmp, 5, 3), 10);   // d = 0
  EXPECT_EQ(Red(bmp, 0, 3), 200);  // d = 25·3/5 = 15 = R
  EXPECT_EQ(Red(bmp, 7, 4), 48);   // d = 1·5/3 + 4·3/5 = 3: 190/15·3 + 10
  EXPECT_EQ(bmp.RowFromTop(4)[4 * 7 + 0], 204);  // blue 255 → 0: −255/15·3 + 255
  EXPECT_EQ(bmp.RowFromTop(4)[4 * 7 + 3], 9);    // alpha untouched
  EXPECT_EQ(Red(bmp, 0, 0), 200);  // clamped to R
  // Amount 256 doubles R: the ellipse edge is only half-way.
  CDIBSection twice = Solid(10, 6, 10, 0, 255);
  RadialColourGradient(twice, Rgb(200, 255, 0), 256);
  EXPECT_EQ(Red(twice, 0, 3), 105);  // d = 15 of R = 30
  EXPECT_EQ(Lerp(7, 3, 1, 3, 99), 99);  // equal end points give the end value
}

TEST(ColourGradients, LinearAndBurstMixThePresentColour) {
  CDIBSection bmp = Solid(100, 4, 0, 0, 0);
  LinearColourGradient(bmp, Rgb(255, 255, 255), 0, 128);
  EXPECT_EQ(Red(bmp, 0, 0), 1);
  EXPECT_EQ(Red(bmp, 99, 3), 253);
  EXPECT_EQ(bmp.RowFromTop(2)[4 * 49 + 3], 9);

  // Burst over a mask: uncovered pixels keep their colour.
  CDIBSection burst = Solid(40, 40, 0, 0, 0);
  CCoverageMask mask;
  mask.Reset(40, 40, 255);
  mask.Row(0)[0] = 0;
  BurstColourGradient(burst, mask, Rgb(255, 255, 255), 128);
  EXPECT_EQ(Red(burst, 0, 0), 0);
  EXPECT_EQ(Red(burst, 1, 0), 255);
  EXPECT_EQ(Red(burst, 20, 20), 25);  // ρ = 0.035 between two rays (reach 0.35)
}

}  // namespace
}  // namespace tessel
