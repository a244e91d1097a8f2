// Lens objects in the document composite: rules of the lens path, "Lenses Off", the
// flare layer and the finishing passes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"
#include "render/lens.h"
#include "render/lens_flare.h"

namespace tessel {
namespace {

// A 64 × 48 document: a striped bitmap object over the whole canvas and a circle on top.
struct LensScene {
  CAppContext app;
  CVellumDoc doc;
  CDrawObject* lens = nullptr;
  LensScene(int effect) {
    doc.m_width = 64;
    doc.m_height = 48;
    doc.m_background = 0xFFFFFF;
    CDrawObject* stripes = doc.NewObject();
    stripes->m_type = kTypeBitmap;
    stripes->m_layer.Create(64, 48, 32);
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 64; ++x) {
        uint8_t* p = stripes->m_layer.RowFromTop(y) + 4 * x;
        p[0] = uint8_t((x / 3) % 2 ? 230 : 20), p[1] = uint8_t(y * 5), p[2] = 90, p[3] = 255;
      }
    stripes->AllocateBitmaps(64, 48);
    lens = doc.NewObject();
    lens->m_color = 0x3060C0;
    lens->m_effect = effect;
    lens->m_effectParam1 = 20;
    lens->m_effectParam2 = 255;
    lens->CreateCircle(12, 8, 44, 40);
  }
  CDIBSection Compose(bool lensesOff) {
    CompositeOptions options;
    options.lensesOff = lensesOff;
    CDIBSection out;
    EXPECT_TRUE(ComposeDocument(doc, 1, options, out));
    return out;
  }
  // The composite of the same document with the lens drawn as a plain object.
  CDIBSection ComposePlain() {
    const int effect = lens->m_effect;
    lens->m_effect = 0;
    CDIBSection out = Compose(false);
    lens->m_effect = effect;
    return out;
  }
};

TEST(LensDraw, LensesOffDrawsALensLikeAPlainObject) {
  for (int effect : {11, 14, 15, 19}) {
    LensScene s(effect);
    const CDIBSection plain = s.ComposePlain();
    EXPECT_TRUE(s.Compose(true) == plain) << effect;
    EXPECT_FALSE(s.Compose(false) == plain) << effect;
  }
}

TEST(LensDraw, EnvironmentFlagDecidesForThickLensesOnly) {
  LensScene s(17);
  const CDIBSection plain = s.ComposePlain();
  s.lens->m_lensEnvironment = 1;
  EXPECT_TRUE(s.Compose(false) == plain);  // environment set: drawn as a plain object
  EXPECT_EQ(s.lens->m_lensEnvironment, 1);
  s.lens->m_lensEnvironment = 0;
  EXPECT_FALSE(s.Compose(false) == plain);

  // Any other lens has its flag cleared and is drawn as a lens.
  s.lens->m_effect = 11;
  s.lens->m_lensEnvironment = 1;
  EXPECT_FALSE(s.Compose(false) == s.ComposePlain());
  EXPECT_EQ(s.lens->m_lensEnvironment, 0);
}

TEST(LensDraw, FinishingPassesBevelAndLayer) {
  LensScene flat(11), bevelled(11);
  bevelled.lens->m_bevelType = 1;  // "Smooth Bevel"
  bevelled.lens->m_bevelWidth = 9;
  bevelled.lens->RenderObject(false, nullptr);
  const CDIBSection a = flat.Compose(false), b = bevelled.Compose(false);
  const auto px = [](const CDIBSection& c, int x, int y) { return c.RowFromTop(y) + 4 * x; };
  // The flat middle keeps the lens picture; the rim is shaded.
  EXPECT_TRUE(std::equal(px(a, 28, 24), px(a, 28, 24) + 3, px(b, 28, 24)));
  int rimDiffers = 0;
  for (int x = 12; x < 44; ++x) rimDiffers += !std::equal(px(a, x, 25), px(a, x, 25) + 3, px(b, x, 25));
  EXPECT_GT(rimDiffers, 2);

  // A painted layer shows on the lens within its shape.
  flat.lens->m_layer.Create(4, 4, 32);
  for (size_t i = 0; i < flat.lens->m_layer.SizeBytes(); i += 4)
    std::fill_n(flat.lens->m_layer.Bits() + i, 4, uint8_t(255));
  const CDIBSection painted = flat.Compose(false);
  EXPECT_EQ(px(painted, 28, 24)[0], 255);
  EXPECT_EQ(px(painted, 28, 24)[1], 255);
}

TEST(LensFlare, RepeatableAndBrightestAtItsCentre) {
  CAppContext app;
  CDIBSection a, b;
  a.Create(200, 150, 32);
  b.Create(200, 150, 32);
  CFlareSpec spec;
  spec.x = 80, spec.y = 90, spec.radius = 30, spec.size1 = 20, spec.size2 = 6, spec.angle = 200;
  spec.intensity = 0.6f, spec.tint = 0x2080FF;
  DrawFlare(a, spec);
  DrawFlare(b, spec);
  EXPECT_TRUE(a == b);
  const auto luma = [&](int x, int y) {
    const uint8_t* p = a.RowFromBottom(y) + 4 * x;
    return p[0] + p[1] + p[2];
  };
  int brightest = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) brightest = std::max(brightest, luma(x, y));
  EXPECT_EQ(luma(80, 90), brightest);
  EXPECT_GT(luma(80, 90), luma(80 + 15, 90 + 7));
  EXPECT_GT(luma(80 + 15, 90 + 7), luma(80 + 60, 90 + 28));
  // The ghosts lie on the line through the centre at 200°: the full flare adds light on
  // that line but not across it at the same distance.
  CDIBSection glowOnly;
  glowOnly.Create(200, 150, 32);
  spec.mode = CFlareSpec::kGlowOnly;
  DrawFlare(glowOnly, spec);
  const auto at = [](const CDIBSection& c, double degrees, double distance) {
    const double t = degrees * 3.1415926535 / 180;
    return c.RowFromBottom(90 + int(std::sin(t) * distance)) + 4 * (80 + int(std::cos(t) * distance));
  };
  const double ghost = 0.55 * (30 * 1.2 + 20 * 3 + 8);
  EXPECT_GT(at(a, 200, ghost)[2], at(glowOnly, 200, ghost)[2]);
  EXPECT_EQ(at(a, 290, ghost)[2], at(glowOnly, 290, ghost)[2]);
}

TEST(LensFlare, LayerFollowsItsBoxAndLensesOffReleasesIt) {
  LensScene s(kEffectLensFlare);
  CDrawObject& o = *s.lens;
  o.m_hidden = 1;
  const CDIBSection below = s.Compose(false);
  o.m_hidden = 0;
  const CDIBSection before = s.Compose(false);
  ASSERT_EQ(o.m_layer.Width(), 64);
  ASSERT_EQ(o.m_layer.Height(), 48);
  // Only the flare is drawn, and it adds light: nothing gets darker, the centre brighter.
  for (size_t i = 0; i < before.SizeBytes(); ++i) ASSERT_GE(before.Bits()[i], below.Bits()[i]);
  EXPECT_GT(before.RowFromTop(24)[4 * 28], below.RowFromTop(24)[4 * 28]);
  EXPECT_FALSE(UpdateFlareLayer(o, 64, 48));  // nothing changed: the flare is reused
  o.m_flareRebuild = 1;
  EXPECT_TRUE(UpdateFlareLayer(o, 64, 48));
  EXPECT_EQ(o.m_flareRebuild, 0);
  o.m_left += 4;
  EXPECT_TRUE(UpdateFlareLayer(o, 64, 48));
  o.m_left -= 4;
  o.m_effectAngle += 10;  // a setting of the flare changed
  EXPECT_TRUE(UpdateFlareLayer(o, 64, 48));
  o.m_effectAngle -= 10;
  EXPECT_TRUE(s.Compose(false) == before);

  const CDIBSection off = s.Compose(true);
  EXPECT_EQ(o.m_layer.Width(), 8);
  EXPECT_EQ(o.m_layer.Height(), 8);
  EXPECT_TRUE(off == s.ComposePlain());
  const CDIBSection again = s.Compose(false);
  EXPECT_EQ(o.m_layer.Width(), 64);
  EXPECT_TRUE(again == before);
}

TEST(LensFlare, BitmapObjectKeepsItsPicture) {
  LensScene s(0);
  CDrawObject& picture = *s.doc.ObjectAt(0);
  const CDIBSection image = picture.m_layer.Clone();
  const CDIBSection plain = s.Compose(false);
  picture.m_effect = kEffectLensFlare;
  EXPECT_TRUE(s.Compose(false) == plain);
  EXPECT_TRUE(s.Compose(true) == plain);
  EXPECT_TRUE(picture.m_layer == image);
}

TEST(LensFlare, LightIsScaledByOpacityAndShare) {
  CAppContext app;
  CDIBSection canvas, layer;
  canvas.Create(2, 1, 32);
  layer.Create(2, 1, 32);
  const uint8_t before[8] = {100, 250, 0, 255, 0, 0, 0, 0}, light[8] = {200, 200, 10, 255, 0, 0, 200, 255};
  std::copy_n(before, 8, canvas.Bits());
  std::copy_n(light, 8, layer.Bits());
  AddFlareLight(canvas, layer, 0.5, false);
  const uint8_t* c = canvas.Bits();
  EXPECT_EQ(c[0], 200);
  EXPECT_EQ(c[1], 255);  // held at 255
  EXPECT_EQ(c[2], 5);
  // Over a transparent pixel the light (0, 0, 100) brings its own coverage.
  EXPECT_EQ(c[7], 100);
  EXPECT_EQ(c[6], 255);
  EXPECT_EQ(c[4], 0);
}

}  // namespace
}  // namespace tessel
