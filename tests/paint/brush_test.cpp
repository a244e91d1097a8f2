#include "paint/brush.h"

#include <gtest/gtest.h>

#include "paint/brush_images.h"
#include "paint/paint_test_util.h"

namespace tessel {
namespace {

using test::AlphaAt;
using test::CountAlpha;
using test::Filled;

CBrush Generated(int tip, int size, double blur, bool autoPreview) {
  CBrush b;
  b.m_tipKind = tip;
  b.m_size = size;
  b.m_blur = blur;
  b.m_autoPreview = autoPreview;
  b.Build(kLibraryPreviewSide);
  return b;
}

TEST(Brush, HardTipsCoverExactlyTheirPixels) {
  // Size 1: the 3 × 3 dab holds only its centre pixel, and steps by 1 whatever the spacing.
  CBrush dot = Generated(kTipCircular, 1, 0.0, false);
  ASSERT_EQ(dot.m_dab.Width(), 3);
  EXPECT_EQ(CountAlpha(dot.m_dab), 1);
  EXPECT_EQ(AlphaAt(dot.m_dab, 1, 1), 255);
  dot.SetSpacing(2.0);
  EXPECT_EQ(dot.DabStep(), 1);

  // Size 10 in a 30 × 30 dab, centred at 15: squared distance up to 50 is inside.
  CBrush disc = Generated(kTipCircular, 10, 0.0, false);
  ASSERT_EQ(disc.m_dab.Width(), 30);
  EXPECT_EQ(AlphaAt(disc.m_dab, 15 + 7, 15 + 1), 255);  // 49 + 1 = 50
  EXPECT_EQ(AlphaAt(disc.m_dab, 15 + 7, 15 + 2), 0);    // 53
  EXPECT_EQ(AlphaAt(disc.m_dab, 15 - 5, 15 - 5), 255);
  int inside = 0;
  for (int dy = -8; dy <= 8; ++dy)
    for (int dx = -8; dx <= 8; ++dx) inside += dx * dx + dy * dy <= 50;
  EXPECT_EQ(CountAlpha(disc.m_dab), inside);
  EXPECT_EQ(disc.DabStep(), 4);  // trunc(30 × 0.15)

  // With auto preview the dab is trimmed to the disc plus one pixel, and previewed.
  CBrush trimmed = Generated(kTipCircular, 10, 0.0, true);
  EXPECT_EQ(trimmed.m_dab.Width(), 17);
  EXPECT_EQ(trimmed.m_dab.Height(), 17);
  EXPECT_EQ(trimmed.m_preview.Width(), kLibraryPreviewSide);

  // Rectangular size 4 in a 12 × 12 dab: columns and rows 4..8 inclusive.
  CBrush square = Generated(kTipRectangular, 4, 0.0, false);
  EXPECT_EQ(CountAlpha(square.m_dab), 25);
  EXPECT_EQ(AlphaAt(square.m_dab, 4, 8), 255);
  EXPECT_EQ(AlphaAt(square.m_dab, 9, 8), 0);

  // A 3-pixel-wide dab at 1 % spacing still steps by one pixel.
  CBrush tiny = Generated(kTipRectangular, 2, 0.0, true);
  tiny.SetSpacing(0.01);
  EXPECT_EQ(tiny.DabStep(), 1);
}

TEST(Brush, SoftTipsAreBlurredAndTrimmed) {
  CBrush soft = Generated(kTipCircular, 20, 5.0, false);
  const CDIBSection& d = soft.m_dab;
  ASSERT_LT(d.Width(), 90);  // (20 + 10) × 3 before trimming
  const int c = d.Width() / 2;
  EXPECT_GT(AlphaAt(d, c, c), 200);
  EXPECT_GT(AlphaAt(d, c, c), AlphaAt(d, c + 12, c));
  EXPECT_GT(AlphaAt(d, c + 12, c), 0);
  // One empty pixel of room along every side, and something just inside it.
  int edge = 0, inner = 0;
  for (int i = 0; i < d.Width(); ++i) edge += AlphaAt(d, i, 0) + AlphaAt(d, 0, i) + AlphaAt(d, i, d.Height() - 1);
  for (int i = 0; i < d.Width(); ++i) inner += AlphaAt(d, i, 1);
  EXPECT_EQ(edge, 0);
  EXPECT_GT(inner, 0);
  EXPECT_EQ(soft.m_colourOverlay, 0);
}

TEST(Brush, ColourGoesIntoGeneratedAndBitmapTipsOnly) {
  CBrush round = Generated(kTipCircular, 6, 0.0, false);
  round.SetColour(0x00336699);  // red 0x99, green 0x66, blue 0x33
  const uint8_t* p = round.m_dab.RowFromBottom(0);
  EXPECT_EQ(p[0], 0x33);
  EXPECT_EQ(p[1], 0x66);
  EXPECT_EQ(p[2], 0x99);

  CBrush image;
  image.m_tipKind = kTipImageBrush;
  ASSERT_TRUE(LoadBrushImage(image, Filled(4, 4, 10, 20, 30, 255)));
  image.SetColour(0x00FFFFFF);
  EXPECT_EQ(image.m_dab.RowFromBottom(0)[0], 10);
  EXPECT_EQ(image.m_paintColour, 0x00FFFFFFu);
  // An opaque picture of the dab's size keeps the dab's coverage.
  image.m_dab.RowFromBottom(1)[4 + 3] = 7;
  ASSERT_TRUE(LoadBrushImage(image, Filled(4, 4, 1, 2, 3, 255)));
  EXPECT_EQ(AlphaAt(image.m_dab, 1, 1), 7);
  EXPECT_EQ(image.m_dab.RowFromBottom(1)[4], 1);

  // A mask on an empty dab makes a black dab of the mask's size; negative inverts.
  CBrush masked;
  masked.m_tipKind = kTipBitmap;
  ASSERT_TRUE(LoadBrushMask(masked, Filled(5, 3, 0, 0, 100, 255), true));  // grey trunc(29.9)
  EXPECT_EQ(masked.m_dab.Width(), 5);
  EXPECT_EQ(AlphaAt(masked.m_dab, 2, 2), 226);
  EXPECT_EQ(masked.m_dab.RowFromBottom(0)[2], 0);
  masked.Build(kLibraryPreviewSide);
  EXPECT_EQ(masked.m_preview.Width(), kLibraryPreviewSide);
  EXPECT_EQ(masked.m_preview.RowFromBottom(0)[3], 255);  // laid over white
}

TEST(Brush, HoseChoosesFramesByMode) {
  CBrush hose;
  hose.m_tipKind = kTipImageHose;
  for (int i = 0; i < 4; ++i) hose.m_hoseFrames.push_back(Filled(2 + i, 2, 0, 0, 0, 255));
  ApplyHoseFrames(hose);
  EXPECT_EQ(hose.m_dab.Width(), 5);  // first frame centred in the largest size
  auto frameOf = [&](const CDIBSection& d) { return d.Width() - 2; };

  for (int expect : {1, 2, 3, 0, 1}) EXPECT_EQ(frameOf(hose.NextDab(0)), expect);

  hose.m_hoseMode = kHoseDirectional;
  const int angles[][2] = {{0, 0}, {44, 0}, {45, 1}, {134, 1}, {135, 2}, {224, 2}, {225, 3}, {314, 3}, {315, 0}, {359, 0}};
  for (auto [angle, frame] : angles) EXPECT_EQ(frameOf(hose.NextDab(angle)), frame) << angle;

  hose.m_hoseMode = kHoseRandom;
  hose.SeedRandom(7);
  int last = hose.m_hoseIndex, seen[4] = {};
  for (int i = 0; i < 200; ++i) {
    const int f = frameOf(hose.NextDab(0));
    EXPECT_NE(f, last);
    ++seen[f];
    last = f;
  }
  for (int n : seen) EXPECT_GT(n, 0);

  hose.m_hoseFrames.resize(1);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(&hose.NextDab(0), &hose.m_hoseFrames[0]);
  // More frames than degrees must not divide by zero.
  hose.m_hoseMode = kHoseDirectional;
  hose.m_hoseFrames.clear();
  for (int i = 0; i < 400; ++i) hose.m_hoseFrames.push_back(Filled(1, 1, 0, 0, 0, 255));
  EXPECT_EQ(&hose.NextDab(359), &hose.m_hoseFrames[359]);
  // Other tips always stamp the dab.
  hose.m_tipKind = kTipBitmap;
  EXPECT_EQ(&hose.NextDab(90), &hose.m_dab);
}

}  // namespace
}  // namespace tessel
