#include "paint/dab_compositor.h"

#include <gtest/gtest.h>

#include "paint/brush.h"
#include "paint/edge_map.h"
#include "paint/paint_blend.h"
#include "paint/paint_test_util.h"
#include "paint/pressure_source.h"
#include "render/coverage_mask.h"

namespace tessel {
namespace {

using test::Filled;

TEST(PaintBlend, ModesOnValues) {
  const uint8_t s[3] = {200, 100, 50}, b[3] = {100, 150, 250};
  const int expected[kPaintBlendCount][3] = {
      {200, 100, 50},   // Normal
      {78, 58, 49},     // Multiply
      {100, 50, 200},   // Difference
      {222, 192, 251},  // Screen
      {134, 136, 247},  // Overlay: (Screen·b + Multiply·(255 − b)) / 255
      {100, 100, 50},   // Darken
      {200, 150, 250},  // Lighten
      {189, 117, 98},   // Hard Light
      {156, 128, 247},  // Soft Light
      {100, 150, 250},  // If Lighter: the ink's sum 350 is below the base's 500
      {200, 100, 50},   // If Darker
  };
  for (int mode = 0; mode < kPaintBlendCount; ++mode) {
    uint8_t out[3];
    PaintBlendPixel(mode, s, b, out);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(out[c], expected[mode][c]) << kPaintBlendNames[mode] << " " << c;
  }
  // Soft Light leaves the range at the dark end and is held at 0; If Darker keeps a
  // darker base.
  const uint8_t black[3] = {0, 0, 0}, grey[3] = {90, 90, 90};
  uint8_t out[3];
  PaintBlendPixel(kPaintSoftLight, black, black, out);
  EXPECT_EQ(out[0], 0);
  PaintBlendPixel(kPaintIfDarker, s, grey, out);
  EXPECT_EQ(out[2], 90);
}

TEST(PaintBlend, PressureCurves) {
  EXPECT_EQ(PressuredCoverage(200, 128, kPressureOpacity), 100);  // trunc(200 × 128 / 255)
  EXPECT_EQ(PressuredCoverage(200, 128, kPressureSpeedOpacity), 100);
  EXPECT_EQ(PressuredCoverage(255, 0, kPressurePressure), 0);
  EXPECT_EQ(PressuredCoverage(40, 0, kPressureSpeedPress), 0);
  EXPECT_EQ(PressuredCoverage(173, 255, kPressurePressure), 173);
  EXPECT_EQ(PressuredCoverage(200, 230, kPressurePressure), 175);
  // q = 255 − trunc(127² / 255) = 192; trunc((255 + 192 − 255) · 192 / 255) = 144.
  EXPECT_EQ(PressuredCoverage(255, 128, kPressurePressOpacity), 144);
  EXPECT_EQ(PressuredCoverage(255, 128, kPressureAll), 144);
  EXPECT_EQ(PressuredCoverage(10, 128, kPressurePressOpacity), 0);
  EXPECT_EQ(PressuredCoverage(77, 3, kPressureNone), 77);
  EXPECT_EQ(PressuredCoverage(77, 3, kPressureSpeed), 77);
}

TEST(DabCompositor, OpacityCoverageAndPressureMix) {
  CDIBSection layer = Filled(3, 3, 100, 100, 100, 255);
  CDIBSection base = layer.Clone();
  CDIBSection dab = Filled(1, 1, 0, 0, 0, 100);
  CDabParams p;
  p.opacity = 128;
  p.ink.colour = 200;  // red 200
  EXPECT_EQ(CompositeDab(layer, base, dab, 1, 2, p), (CRect{1, 2, 2, 3}));
  const uint8_t* px = layer.RowFromBottom(2) + 4;
  // Blend mixed with the base at 128/255, then into the layer at coverage 100/255.
  EXPECT_EQ(px[0], 80);
  EXPECT_EQ(px[2], 119);
  EXPECT_EQ(px[3], 255);
  EXPECT_EQ(layer.RowFromBottom(1)[4], 100);  // outside the dab

  // Pressure 128 in mode 2 halves the coverage: 50.
  CDIBSection l2 = base.Clone();
  p.opacity = 255;
  p.pressure = 128;
  p.pressureMode = kPressureOpacity;
  CompositeDab(l2, base, dab, 0, 0, p);
  EXPECT_EQ(l2.RowFromBottom(0)[2], (100 * 205 + 200 * 50) / 255);
  // Pressure 0 in mode 1 paints nothing.
  p.pressure = 0;
  p.pressureMode = kPressurePressure;
  CDIBSection l3 = base.Clone();
  CompositeDab(l3, base, dab, 0, 0, p);
  EXPECT_TRUE(l3 == base);
  // Dabs wholly outside are skipped; a base of another size paints nothing.
  EXPECT_TRUE(CompositeDab(l3, base, dab, 3, 0, p).IsEmpty());
  EXPECT_TRUE(CompositeDab(l3, base, dab, -1, 0, p).IsEmpty());
  CDIBSection other = Filled(2, 2, 0, 0, 0, 0);
  p.pressureMode = kPressureNone;
  EXPECT_TRUE(CompositeDab(l3, other, dab, 0, 0, p).IsEmpty());
}

TEST(DabCompositor, CloneAndPatternInk) {
  CDIBSection source = Filled(4, 4, 0, 0, 0, 255);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) source.RowFromBottom(y)[x * 4] = uint8_t(10 * x + y);
  CDIBSection layer = Filled(4, 4, 7, 7, 7, 255), base = layer.Clone();
  CDIBSection dab = Filled(4, 4, 0, 0, 0, 255);
  CDabParams p;
  p.ink = {InkKind::kClone, 0, &source, 2, 1};
  p.writeBack = true;
  CompositeDab(layer, base, dab, 0, 0, p);
  EXPECT_EQ(layer.RowFromBottom(0)[0], 21);     // source (2, 1)
  EXPECT_EQ(layer.RowFromBottom(2)[4], 33);     // source (3, 3)
  EXPECT_EQ(layer.RowFromBottom(0)[2 * 4], 7);  // source column 4 is outside: unchanged
  EXPECT_EQ(layer.RowFromBottom(3)[0], 7);      // source row 4 is outside
  EXPECT_EQ(base.RowFromBottom(0)[0], 21);      // written back
  p.ink.kind = InkKind::kPattern;
  CompositeDab(layer, base, dab, 0, 0, p);
  EXPECT_EQ(layer.RowFromBottom(3)[2 * 4], 0);  // wrapped to source (0, 0)
}

TEST(DabCompositor, AlphaToolsAndEdgeLimit) {
  CDIBSection layer = Filled(2, 1, 5, 5, 5, 200);
  CDIBSection dab = Filled(2, 1, 0, 0, 0, 200);
  CompositeAlphaDab(layer, dab, 0, 0, AlphaTool::kErase, 128, 255, kPressureNone, nullptr);
  EXPECT_EQ(layer.RowFromBottom(0)[3], 200 - 200 * 100 / 255);  // k = trunc(128/255 · 200) = 100
  EXPECT_EQ(layer.RowFromBottom(0)[0], 5);
  CompositeAlphaDab(layer, dab, 0, 0, AlphaTool::kMakeOpaque, 255, 255, kPressureNone, nullptr);
  EXPECT_EQ(layer.RowFromBottom(0)[3], 255);
  CDIBSection full = Filled(1, 1, 0, 0, 0, 255);
  CompositeAlphaDab(layer, full, 1, 0, AlphaTool::kErase, 255, 255, kPressureNone, nullptr);
  EXPECT_EQ(layer.RowFromBottom(0)[7], 0);

  // Edge map of a 40 × 40 object whose inside is 2..37: 255 outside, high on the first
  // inside pixel, 0 in the middle.
  CCoverageMask mask;
  mask.Reset(40, 40, 0);
  for (int y = 2; y < 38; ++y)
    for (int x = 2; x < 38; ++x) mask.Row(y)[x] = 255;
  const CEdgeMap edge = BuildEdgeMap(mask, 40, 40);
  EXPECT_EQ(edge.RowFromBottom(0)[0], 255);
  EXPECT_EQ(edge.RowFromBottom(20)[2], 255 * (3 * kEdgeBand - 3) / (3 * kEdgeBand));
  EXPECT_EQ(edge.RowFromBottom(20)[20], 0);
  CDIBSection paint = Filled(40, 40, 0, 0, 0, 0), base = paint.Clone();
  CDabParams p;
  p.edge = &edge;
  CompositeDab(paint, base, Filled(40, 40, 0, 0, 0, 255), 0, 0, p);
  EXPECT_EQ(paint.RowFromBottom(0)[3], 0);     // outside: nothing
  EXPECT_EQ(paint.RowFromBottom(20)[2 * 4 + 3], 255 - edge.RowFromBottom(20)[2]);
  EXPECT_EQ(paint.RowFromBottom(20)[20 * 4 + 3], 255);
}

TEST(PressureSource, EventsScaleAndReset) {
  CConstantPressure none;
  EXPECT_EQ(none.GetPressure(), 255);
  CEventPressure pen(1023);
  EXPECT_EQ(pen.GetPressure(), 255);  // no cursor yet
  pen.Packet(1, 512);
  EXPECT_EQ(pen.GetPressure(), 127);  // trunc(512 × 255 / 1023)
  EXPECT_FALSE(pen.IsEraser());
  pen.Packet(1, 5000);
  EXPECT_EQ(pen.GetPressure(), 255);
  pen.PacketFraction(2, 0.5);
  EXPECT_TRUE(pen.IsEraser());
  pen.Enable(false);
  EXPECT_EQ(pen.GetPressure(), 255);
  pen.Enable(true);
  EXPECT_EQ(pen.GetPressure(), 127);
  pen.Reset();
  EXPECT_EQ(pen.GetPressure(), 255);
  EXPECT_FALSE(pen.IsEraser());
  EXPECT_EQ(TabletInfoText(false, "Pen"), "WinTab Services Not Available.");
  EXPECT_EQ(TabletInfoText(true, ""), "Unknown Tablet found");
  EXPECT_EQ(TabletInfoText(true, "Intuos"), "Intuos");
  EXPECT_FALSE(TabletCheckboxEnabled("Tablet is not installed."));
  EXPECT_FALSE(TabletCheckboxEnabled("WinTab Services Not Available."));
  EXPECT_TRUE(TabletCheckboxEnabled("Intuos"));
}

}  // namespace
}  // namespace tessel
