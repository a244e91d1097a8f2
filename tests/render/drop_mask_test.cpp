#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"
#include "render/drop_mask.h"
#include "render/render_progress.h"

namespace tessel {
namespace {

// A red 40 × 30 rectangle at (40, 40) on a white 120 × 110 canvas, with one effect.
struct ShadowScene {
  CAppContext app;
  CVellumDoc doc;
  CDrawObject* o;
  explicit ShadowScene(int effect, double softness = 2.0) {
    doc.m_width = 120;
    doc.m_height = 110;
    doc.m_background = 0xFFFFFF;
    o = doc.NewObject();
    o->m_antiAlias = 1;
    o->m_color = 0x0000FF;
    o->m_effect = effect;
    o->m_effectParam1 = 8;     // distance
    o->m_effectAngle = 0;
    o->m_effectParam2 = 255;   // opacity
    o->m_effectSoftness = 20;  // margin
    o->SetEffectDistance(softness);
    o->CreateRectangle(40, 40, 80, 70);
  }
  int ShadowAlpha(int x, int y) const { return o->m_shadowBitmap.RowFromTop(y)[4 * x + 3]; }
  // Green of the composite at canvas (x, y): 255 on white, lower in a shadow.
  int CanvasGreen(int x, int y) {
    CDIBSection out;
    ComposeDocument(doc, 1, {}, out);
    return out.RowFromTop(y)[4 * x + 1];
  }
};

TEST(DropMask, ShadowBitmapIsTheAlphaTimesTheOpacityBeyondTheMargin) {
  ShadowScene s(kEffectDropShadow);
  s.o->m_effectParam2 = 200;
  s.o->m_effectColor = 0x203040;
  s.o->RenderObject(false, nullptr);
  const CDIBSection& sh = s.o->m_shadowBitmap;
  ASSERT_EQ(sh.Width(), s.o->m_width + 40);
  ASSERT_EQ(sh.Height(), s.o->m_height + 40);
  const int cx = sh.Width() / 2, cy = sh.Height() / 2;
  EXPECT_EQ(s.ShadowAlpha(cx, cy), (255 * 200) >> 8);
  EXPECT_EQ(s.ShadowAlpha(0, 0), 0);
  EXPECT_EQ(sh.RowFromTop(cy)[4 * cx], 0x20);  // blue of the shadow colour
  // Opacity 127 scales the shadow as it scales the object.
  s.o->m_opacity = 127;
  s.o->RenderObject(false, nullptr);
  EXPECT_EQ(s.ShadowAlpha(cx, cy), 199 * 127 / 255);
  // Damaged records: a negative margin crops, an absurd one builds no shadow, a NaN
  // softness blurs nothing.
  s.o->m_effectSoftness = -3;
  s.o->SetEffectDistance(std::nan(""));
  s.o->RenderObject(false, nullptr);
  EXPECT_EQ(s.o->m_shadowBitmap.Width(), s.o->m_width - 6);
  s.o->m_effectSoftness = 1 << 20;
  s.o->RenderObject(false, nullptr);
  EXPECT_TRUE(s.o->m_shadowBitmap.IsEmpty());
  s.o->m_effectSoftness = 20;
  s.o->m_effect = kEffectNone;  // switching the effect off frees the shadow
  s.o->RenderObject(false, nullptr);
  EXPECT_TRUE(s.o->m_shadowBitmap.IsEmpty());
}

TEST(DropMask, ShadowFollowsItsAngle) {
  ShadowScene s(kEffectDropShadow, 1.0);
  // The object covers x 40..79, y 40..69; the shadow shows beyond it on the lit side.
  EXPECT_LT(s.CanvasGreen(84, 55), 100);
  EXPECT_EQ(s.CanvasGreen(35, 55), 255);
  s.o->m_effectAngle = 90;  // y grows downwards: below the object
  s.o->RenderObject(false, nullptr);
  EXPECT_LT(s.CanvasGreen(60, 74), 100);
  EXPECT_EQ(s.CanvasGreen(60, 35), 255);
}

TEST(DropMask, GlowIsSymmetricAndHaloRinged) {
  for (int effect : {kEffectGlow, kEffectHalo}) {
    ShadowScene s(effect, 4.0);
    const CDIBSection& sh = s.o->m_shadowBitmap;
    const int w = sh.Width(), h = sh.Height();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        ASSERT_EQ(s.ShadowAlpha(x, y), s.ShadowAlpha(w - 1 - x, y)) << effect << " at " << x << "," << y;
        ASSERT_EQ(s.ShadowAlpha(x, y), s.ShadowAlpha(x, h - 1 - y)) << effect << " at " << x << "," << y;
      }
    EXPECT_GT(s.ShadowAlpha(14, h / 2), 0);  // reaches past the box (margin 20)
  }
}

TEST(DropMask, LensShadowHasItsOwnSoftnessAndOpacity) {
  ShadowScene s(kEffectThickBorderLens, 0.0);
  EXPECT_TRUE(s.o->m_shadowBitmap.IsEmpty());  // no lens shadow value: no shadow
  s.o->m_lensDropMask = 1;
  s.o->m_effectParam2 = 30;
  s.o->RenderObject(false, nullptr);
  ASSERT_FALSE(s.o->m_shadowBitmap.IsEmpty());
  const int w = s.o->m_shadowBitmap.Width(), h = s.o->m_shadowBitmap.Height();
  EXPECT_EQ(s.ShadowAlpha(w / 2, h / 2), (255 * 200) >> 8);  // opacity 200, not 30
  EXPECT_GT(s.ShadowAlpha(20 + 2 - 3, h / 2), 0);            // softness 3, not 0
}

TEST(DropMask, CutoutShadesTheObjectAndBuildsNoShadowBitmap) {
  ShadowScene s(kEffectCutout);
  s.o->m_effectAngle = 45;
  s.o->RenderObject(false, nullptr);
  EXPECT_TRUE(s.o->m_shadowBitmap.IsEmpty());
  const int e = s.o->MaskMargin(), w = s.o->m_width, h = s.o->m_height;
  auto red = [&](int x, int y) { return int(s.o->m_bitmap.RowFromTop(y)[4 * x + 2]); };
  EXPECT_LT(red(e + 1, e + 1), 60);           // the top-left rim lies in shadow
  EXPECT_GT(red(w - e - 2, h - e - 2), 245);  // the far corner is lit
  EXPECT_EQ(s.CanvasGreen(84, 55), 255);     // and nothing is drawn beside it
}

TEST(DropMask, ShadowIsRemovedUnderAnObjectThatShowsThrough) {
  ShadowScene s(kEffectDropShadow, 0.0);
  const int m = 20, cy = m + s.o->m_height / 2;
  const int under = m + s.o->m_width / 2;  // under the object's middle
  EXPECT_EQ(s.ShadowAlpha(under, cy), (255 * 255) >> 8);
  s.o->m_shadowOption = 1;  // "Multiply": the canvas shows through
  s.o->RenderObject(false, nullptr);
  EXPECT_EQ(s.ShadowAlpha(under, cy), 0);
  EXPECT_EQ(s.ShadowAlpha(m + 4, cy), 0);
  // The shadow is drawn 8 pixels to the right: its last 8 columns stick out and stay.
  EXPECT_EQ(s.ShadowAlpha(m + s.o->m_width - 2 - 3, cy), 254);
  EXPECT_LT(s.CanvasGreen(84, 55), 5);
  s.o->m_shadowOption = 0;
  s.o->m_transpAmount = 1;
  s.o->RenderObject(false, nullptr);
  EXPECT_EQ(s.ShadowAlpha(under, cy), 0);
}

TEST(DropMask, KnockOutSunShadowAndDropGradient) {
  ShadowScene k(kEffectKnockOut);
  const int h = k.o->m_height, w = k.o->m_width;
  for (int y = 0; y < h; ++y) ASSERT_EQ(k.o->m_bitmap.RowFromTop(y)[4 * (w / 2) + 3], 1);
  EXPECT_GT(k.ShadowAlpha(20 + w / 2, 20 + h / 2), 200);

  ShadowScene sun(kEffectSunShadow, 0.0);  // a quarter of the rows, 10 pixels lower
  int rows = 0, lowest = 0;
  for (int y = 0; y < sun.o->m_shadowBitmap.Height(); ++y)
    if (sun.ShadowAlpha(20 + w / 2, y) > 0) ++rows, lowest = y;
  EXPECT_NEAR(rows, (h - 4) / 4, 1);
  EXPECT_EQ(lowest, 20 + h - 1 + 10);  // the bottom row holds the lowest four

  ShadowScene grad(kEffectDropGradient, 0.0);  // angle 0: fades towards the right
  const int y = 20 + h / 2;
  EXPECT_EQ(grad.ShadowAlpha(20 + w / 4, y), 254);  // the back half keeps its strength
  EXPECT_GT(grad.ShadowAlpha(20 + w / 2 + 1, y), 200);
  EXPECT_LT(grad.ShadowAlpha(20 + w - 3, y), 40);
}

TEST(DropMask, SparkleIsRepeatable) {
  ShadowScene a(kEffectSparkle), b(kEffectSparkle);
  a.o->m_effectColor = b.o->m_effectColor = 0xFFFFFF;
  a.o->RenderObject(false, nullptr);
  b.o->RenderObject(false, nullptr);
  EXPECT_TRUE(a.o->m_shadowBitmap.IsEmpty());
  EXPECT_TRUE(a.o->m_bitmap == b.o->m_bitmap);
  int white = 0;  // the red rectangle has no green but in its glints
  for (int y = 0; y < a.o->m_height; ++y)
    for (int x = 0; x < a.o->m_width; ++x) white += a.o->m_bitmap.RowFromTop(y)[4 * x + 1] > 200;
  EXPECT_GT(white, 5);
  b.o->m_effectParam1 = 9;  // another distance deals another scattering
  b.o->RenderObject(false, nullptr);
  EXPECT_FALSE(a.o->m_bitmap == b.o->m_bitmap);
}

class CStepLog : public RenderProgress {
 public:
  void SetStep(int position, const std::string& text) override { steps.push_back(std::to_string(position) + " " + text); }
  std::vector<std::string> steps;
};

TEST(DropMask, RenderReportsTheEdgeSteps) {
  ShadowScene s(kEffectGlow);
  s.o->m_outlineType = 1;
  CStepLog log;
  s.o->m_bevelType = 7;
  s.o->RenderObject(false, &log);
  auto has = [&](const std::string& step) { return std::find(log.steps.begin(), log.steps.end(), step) != log.steps.end(); };
  EXPECT_TRUE(has("3 Outlining..."));
  EXPECT_TRUE(has("9 Adding Outline"));
  EXPECT_TRUE(has("11 Creating Drop Mask"));
  s.o->m_bevelType = 9;
  s.o->RenderObject(false, &log);
  EXPECT_TRUE(has("5 Feathering"));
}

}  // namespace
}  // namespace tessel
