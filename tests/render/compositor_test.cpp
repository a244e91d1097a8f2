#include <gtest/gtest.h>

#include <vector>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/blend_modes.h"
#include "render/compositor.h"

namespace tessel {
namespace {

// The colour one mode gives for grey source s over grey canvas d at full alpha.
int Grey(int mode, int s, int d) {
  uint8_t src[4] = {uint8_t(s), uint8_t(s), uint8_t(s), 255};
  uint8_t dst[4] = {uint8_t(d), uint8_t(d), uint8_t(d), 255};
  CompositeRow(mode, src, dst, 1, true);
  EXPECT_EQ(dst[0], dst[2]);
  return dst[0];
}

TEST(BlendModes, EachModeAtWorkedValues) {
  // Source 200 over canvas 100, worked by hand with truncating divisions by 255.
  EXPECT_EQ(Grey(kBlendNormal, 200, 100), 200);
  EXPECT_EQ(Grey(kBlendMultiply, 200, 100), 78);     // 20000 / 255
  EXPECT_EQ(Grey(kBlendDifference, 200, 100), 100);
  EXPECT_EQ(Grey(kBlendScreen, 200, 100), 222);      // 255 - 8525 / 255
  EXPECT_EQ(Grey(kBlendOverlay, 200, 100), 56);      // (100 * 222 - 99 * 78) / 255
  EXPECT_EQ(Grey(kBlendOverlay, 128, 128), 64);      // C = 192, M = 64
  EXPECT_EQ(Grey(kBlendDarken, 200, 100), 100);
  EXPECT_EQ(Grey(kBlendLighten, 200, 100), 200);
  EXPECT_EQ(Grey(kBlendHardLight, 200, 100), 189);   // 255 - 2 * 55 * 155 / 255
  EXPECT_EQ(Grey(kBlendHardLight, 50, 100), 39);     // 2 * 50 * 100 / 255
  EXPECT_EQ(Grey(kBlendSoftLight, 200, 100), 156);   // 2 * 200 * 100 / 255
  EXPECT_EQ(Grey(kBlendSoftLight, 50, 100), 6);      // 255 - 2 * 205 * 155 / 255
  EXPECT_EQ(Grey(kBlendSoftLight, 128, 0), 1);       // the test is S <= 128: 255 - 2 * 127 * 255 / 255
  EXPECT_EQ(Grey(kBlendNegative, 200, 100), 155);
  EXPECT_EQ(Grey(kBlendTint, 200, 100), 160);        // (155 * 200 + 100 * 100) / 255
  EXPECT_EQ(Grey(kBlendIfLighter, 200, 100), 200);
  EXPECT_EQ(Grey(kBlendIfLighter, 50, 100), 100);
  EXPECT_EQ(Grey(kBlendIfDarker, 200, 100), 100);
  EXPECT_EQ(Grey(kBlendIfDarker, 50, 100), 50);
  EXPECT_EQ(Grey(99, 200, 100), 200);                // unknown modes act as Normal
  EXPECT_STREQ(BlendModeName(kBlendColorize), "Colorize");
}

TEST(BlendModes, EveryModeStaysInRangeOnAGrid) {
  const int values[] = {0, 1, 63, 127, 128, 129, 200, 254, 255};
  for (int mode = 0; mode < kBlendModeCount; ++mode)
    for (int s : values)
      for (int d : values) {
        uint8_t src[4] = {uint8_t(s), uint8_t(d), uint8_t(255 - s), 255};
        uint8_t dst[4] = {uint8_t(d), uint8_t(s), uint8_t(255 - d), 255};
        uint8_t out[3];
        BlendPixel(mode, src, dst, out);  // clamping is part of every formula
        if (mode == kBlendNormal) {
          ASSERT_EQ(out[0], src[0]);
        }
        if (mode == kBlendDarken) {
          ASSERT_EQ(out[1], std::min(src[1], dst[1]));
        }
      }
}

TEST(BlendModes, ColorizeKeepsTheCanvasLuminance) {
  uint8_t red[4] = {0, 0, 255, 255};
  uint8_t grey[4] = {100, 100, 100, 255};
  CompositeRow(kBlendColorize, red, grey, 1, true);
  // Y = 100, Cb = -43.03, Cr = 127.5: R clamps to 255, G and B fall to 23.
  EXPECT_EQ(grey[2], 255);
  EXPECT_EQ(grey[1], 23);
  EXPECT_EQ(grey[0], 23);
  uint8_t greySrc[4] = {60, 60, 60, 255};
  uint8_t canvas[4] = {10, 20, 200, 255};  // Y = trunc(59.8 + 11.74 + 1.14) = 72
  CompositeRow(kBlendColorize, greySrc, canvas, 1, true);
  EXPECT_EQ(canvas[0], 72);
  EXPECT_EQ(canvas[1], 72);
  EXPECT_EQ(canvas[2], 72);
}

TEST(BlendModes, AlphaMixesWithTheCanvas) {
  uint8_t src[8] = {255, 255, 255, 0, 255, 255, 255, 51};
  uint8_t dst[8] = {10, 10, 10, 255, 0, 0, 0, 255};
  CompositeRow(kBlendNormal, src, dst, 2, true);
  EXPECT_EQ(dst[0], 10);                 // alpha 0 leaves the canvas
  EXPECT_NEAR(dst[4], 51, 1);            // 255 * 51 / 255
  EXPECT_EQ(dst[7], 255);
  // On a transparent canvas the object's coverage becomes the alpha.
  uint8_t clear[4] = {0, 0, 0, 0};
  uint8_t half[4] = {40, 80, 120, 128};
  CompositeRow(kBlendNormal, half, clear, 1, false);
  EXPECT_EQ(clear[3], 128);
  EXPECT_EQ(clear[2], 120);
}

TEST(BlendModes, NormalRowsMatchTheFormulaOverRunsAndEdges) {
  // Runs of opaque and empty pixels with mixed edges between them, as an object row.
  std::vector<uint8_t> src(4 * 300), dst(4 * 300), expected;
  for (int i = 0; i < 300; ++i) {
    const int a = i < 100 ? 255 : i < 150 ? 0 : (i * 37) % 256;
    for (int c = 0; c < 3; ++c) src[4 * i + c] = uint8_t(i * 7 + c * 50), dst[4 * i + c] = uint8_t(i * 3 + c * 90);
    src[4 * i + 3] = uint8_t(a);
    dst[4 * i + 3] = uint8_t(200 + i % 50);
  }
  expected = dst;
  for (int i = 0; i < 300; ++i) {
    const int a = src[4 * i + 3];
    for (int c = 0; c < 3 && a > 0; ++c) {
      uint8_t& d = expected[4 * i + c];
      d = uint8_t(int(d * ((255 - a) * 0.00392156862745098) + src[4 * i + c] * (a * 0.00392156862745098)));
    }
  }
  CompositeRow(kBlendNormal, src.data(), dst.data(), 300, true);
  EXPECT_EQ(dst, expected);  // colours as the formula gives, the canvas alpha untouched
}

struct Scene {
  CAppContext app;
  CVellumDoc doc;
  CDrawObject* rect;
  Scene() {
    doc.m_width = 60;
    doc.m_height = 40;
    doc.m_background = 0x00FF00;  // green
    rect = doc.NewObject();
    rect->m_antiAlias = 1;
    rect->m_color = 0x0000FF;  // red
    rect->CreateRectangle(10, 10, 30, 20);  // box (8, 8)-(32, 22), inside (10, 10)-(30, 20)
  }
  static const uint8_t* Px(const CDIBSection& c, int x, int y) { return c.RowFromTop(y) + 4 * x; }
};

TEST(Compositor, DocumentOverItsBackground) {
  Scene s;
  CDIBSection out;
  ASSERT_TRUE(ComposeDocument(s.doc, 1, {}, out));
  ASSERT_EQ(out.Width(), 60);
  EXPECT_EQ(Scene::Px(out, 15, 15)[2], 255);
  EXPECT_EQ(Scene::Px(out, 15, 15)[1], 0);
  EXPECT_EQ(Scene::Px(out, 9, 15)[1], 255);  // the object's empty border shows the canvas
  EXPECT_EQ(Scene::Px(out, 9, 15)[3], 255);

  CompositeOptions clear;
  clear.transparent = true;
  ASSERT_TRUE(ComposeDocument(s.doc, 1, clear, out));
  EXPECT_EQ(Scene::Px(out, 5, 5)[3], 0);
  EXPECT_EQ(Scene::Px(out, 15, 15)[3], 255);

  s.rect->m_hidden = 1;
  ASSERT_TRUE(ComposeDocument(s.doc, 1, {}, out));
  EXPECT_EQ(Scene::Px(out, 15, 15)[1], 255);
}

TEST(Compositor, ScaledRenderLeavesTheObjectAsItWas) {
  Scene s;
  const CDIBSection before = s.rect->m_bitmap.Clone();
  CDIBSection out;
  ASSERT_TRUE(ComposeDocument(s.doc, 3, {}, out));
  EXPECT_EQ(out.Width(), 180);
  EXPECT_EQ(Scene::Px(out, 3 * 10, 3 * 10)[2], 255);  // the inside starts at 3 x 10
  EXPECT_EQ(Scene::Px(out, 3 * 10 - 1, 3 * 10)[2], 0);
  EXPECT_EQ(Scene::Px(out, 3 * 30 - 1, 3 * 20 - 1)[2], 255);
  EXPECT_EQ(Scene::Px(out, 3 * 30, 3 * 20 - 1)[2], 0);
  EXPECT_EQ(s.rect->GetBoxRect(), (CRect{8, 8, 32, 22}));
  EXPECT_EQ(s.rect->m_renderScale, 1);
  EXPECT_TRUE(s.rect->m_bitmap == before);
}

TEST(Compositor, ShadowsSitAtTheirOffsets) {
  Scene s;
  CDrawObject& o = *s.rect;
  o.m_effectSoftness = 2;
  o.m_effectParam1 = 4;
  o.m_effectAngle = 0;
  o.m_shadowBitmap.Create(o.m_width + 4, o.m_height + 4, 32);
  for (size_t i = 3; i < o.m_shadowBitmap.SizeBytes(); i += 4) o.m_shadowBitmap.Bits()[i] = 255;  // black
  auto shadowLeft = [&](int effect) {
    o.m_effect = effect;
    CDIBSection out;
    ComposeDocument(s.doc, 1, {}, out);
    for (int x = 0; x < out.Width(); ++x)
      if (Scene::Px(out, x, 25)[1] == 0 || Scene::Px(out, x, 9)[1] == 0) return x;  // first non-green
    return -1;
  };
  // Rows 9 and 25 lie outside the object's inside, so only a shadow can darken them.
  EXPECT_EQ(shadowLeft(0), -1);     // no effect, no shadow
  EXPECT_EQ(shadowLeft(1), 8 - 2 + 4);
  EXPECT_EQ(shadowLeft(6), -1);     // "Cutout" draws no shadow
  EXPECT_EQ(shadowLeft(7), 8 - 2);  // "Inset + Shadow": no offset
  o.m_effect = 2;                   // "Sun Shadow" drops 5 pixels more: rows 11 to 38
  CDIBSection out;
  ComposeDocument(s.doc, 1, {}, out);
  EXPECT_EQ(Scene::Px(out, 35, 8 - 2 + 5)[1], 0);
  EXPECT_EQ(Scene::Px(out, 35, 8 - 2 + 4)[1], 255);
}

}  // namespace
}  // namespace tessel
