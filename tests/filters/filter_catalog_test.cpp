// The filter catalogue and the common frame on a document's bitmap object.
#include "filters/filter_catalog.h"

#include <gtest/gtest.h>

#include <set>

#include "base/app_context.h"
#include "base/profile.h"
#include "document/draw_object.h"
#include "filters/bitmap_object_filter.h"
#include "filters/filter_session.h"
#include "filters/filter_test_util.h"
#include "filters/tweak_effects.h"

namespace tessel {
namespace {

using test::PhotoLikePicture;
using test::Px;
using test::SolidPicture;

TEST(FilterCatalog, EveryFilterAndEffectOnceWithUniqueKeys) {
  const auto& list = FilterCatalog();
  ASSERT_EQ(list.size(), 12u + kTweakEffectCount);
  std::set<std::string> keys;
  for (const CFilterEntry& e : list) {
    EXPECT_TRUE(keys.insert(e.key).second) << e.key;
    std::set<std::string> params;
    for (const CFilterParam& p : e.params) {
      EXPECT_TRUE(params.insert(p.key).second) << e.name << ": " << p.key;
      EXPECT_LE(p.lo, p.def);
      EXPECT_LE(p.def, p.hi);
    }
  }
  EXPECT_EQ(FindFilter("Hue && Saturation")->key, "huesaturation");
  EXPECT_EQ(FindFilter("hue-saturation")->name, "Hue && Saturation");
  EXPECT_EQ(FindFilter("EFFECT -AGED PHOTO")->tweakSlot, 12);
  EXPECT_EQ(FindFilter("nothing"), nullptr);
  EXPECT_EQ(FindFilter("--"), nullptr);
  const CFilterEntry* oil = FindFilter("Oil Painting");
  EXPECT_TRUE(oil->checkpointAfter);
  EXPECT_FALSE(FindFilter("Soft Blur")->checkpointAfter);
  const CFilterEntry* shift = FindFilter("Color - Shift");
  EXPECT_EQ(FindParam(*shift, "Green Shift"), 3);
  EXPECT_EQ(FindParam(*shift, "p5"), 5);
  EXPECT_EQ(FindParam(*shift, "p6"), -1);
  EXPECT_EQ(FindParam(*shift, "depth"), -1);
  // Clamping: into the range, integers truncated, NaN to the default.
  const CFilterParam& radius = FindFilter("Gaussian Blur")->params[0];
  EXPECT_EQ(ClampParam(radius, 2.25), 2.25);
  EXPECT_EQ(ClampParam(radius, -1.0), 0.0);
  EXPECT_EQ(ClampParam(radius, 1e9), 100.0);
  EXPECT_EQ(ClampParam(shift->params[0], 300.7), 255.0);
  EXPECT_EQ(ClampParam(shift->params[0], 12.9), 12.0);
  EXPECT_EQ(ClampParam(shift->params[0], std::nan("")), 19.0);
}

TEST(FilterCatalog, EveryEntryRunsWithDefaults) {
  for (const CFilterEntry& e : FilterCatalog()) {
    CDIBSection p = PhotoLikePicture(37, 23, 3);
    const CDIBSection before = p.Clone();
    ASSERT_TRUE(e.run(p, DefaultValues(e), 1)) << e.name;
    EXPECT_EQ(p.Width(), 37);
    if (e.name != "Invert Alpha") {
      EXPECT_TRUE(test::SameAlpha(p, before)) << e.name;
    }
  }
}

class BitmapObjectFilter : public ::testing::Test {
 protected:
  CAppContext m_app;
};

TEST_F(BitmapObjectFilter, RunsOnTheObjectsPictureAndRendersAgain) {
  CDrawObject o;
  o.m_type = kTypeBitmap;
  o.m_layer = SolidPicture(20, 10, 10, 20, 30, 200);
  o.AllocateBitmaps(20, 10);
  o.m_rendered = 0;
  EXPECT_TRUE(ApplyFilterToObject(o, *FindFilter("Invert Alpha"), {}));
  EXPECT_EQ(Px(o.m_layer, 3, 3)[3], 55);
  EXPECT_EQ(o.m_rendered, 1);

  // A filter that reports no change leaves the object alone.
  o.m_rendered = 0;
  EXPECT_FALSE(ApplyToBitmapObject(o, [](CDIBSection&) { return false; }));
  EXPECT_EQ(o.m_rendered, 0);

  // Values are clamped on the way in: brightness 1000 is 100.
  EXPECT_TRUE(ApplyFilterToObject(o, *FindFilter("Brightness and Contrast"), {1000, 0}));
  EXPECT_EQ(Px(o.m_layer, 0, 0)[0], 255);
}

TEST_F(BitmapObjectFilter, EnlargedObjectResamplesFirstOthersRefuse) {
  CDrawObject o;
  o.m_type = kTypeBitmap;
  o.m_layer = SolidPicture(10, 8, 40, 80, 120, 255);
  o.AllocateBitmaps(10, 8);
  o.m_width = 30;  // enlarged by the user
  o.m_height = 8;
  EXPECT_TRUE(FitPictureToObject(o));
  EXPECT_EQ(o.m_layer.Width(), 30);
  EXPECT_EQ(o.m_layer.Height(), 8);
  EXPECT_EQ(Px(o.m_layer, 29, 7)[1], 80);  // a flat picture stays flat
  EXPECT_FALSE(FitPictureToObject(o));
  o.m_width = 5;  // smaller than the picture: kept as is
  EXPECT_FALSE(FitPictureToObject(o));
  EXPECT_EQ(o.m_layer.Width(), 30);

  CDrawObject shape;
  shape.CreateRectangle(0, 0, 20, 20);
  EXPECT_FALSE(CanFilterObject(shape));
  EXPECT_FALSE(ApplyFilterToObject(shape, *FindFilter("Auto Level"), {}));
  CDrawObject empty;
  empty.m_type = kTypeBitmap;
  EXPECT_FALSE(ApplyFilterToObject(empty, *FindFilter("Auto Level"), {}));
}

TEST(ResamplePicture, BilinearBetweenPixelCentres) {
  // Two pixels 0 and 200 stretched to four: centres at −0.25, 0.25, 0.75, 1.25 of the
  // source, clamped: 0, 50, 150, 200.
  CDIBSection p = SolidPicture(2, 1, 0, 0, 0, 255);
  Px(p, 1, 0)[0] = 200;
  const CDIBSection q = ResamplePicture(p, 4, 1);
  ASSERT_EQ(q.Width(), 4);
  EXPECT_EQ(Px(q, 0, 0)[0], 0);
  EXPECT_EQ(Px(q, 1, 0)[0], 50);
  EXPECT_EQ(Px(q, 2, 0)[0], 150);
  EXPECT_EQ(Px(q, 3, 0)[0], 200);
  EXPECT_EQ(Px(q, 3, 0)[3], 255);
  EXPECT_TRUE(ResamplePicture(CDIBSection(), 4, 4).IsEmpty());
  EXPECT_TRUE(ResamplePicture(p, 0, 4).IsEmpty());
}

}  // namespace
}  // namespace tessel

namespace tessel {
namespace {

TEST_F(BitmapObjectFilter, SessionPreviewsFromTheSavedCopyAndCancels) {
  CDrawObject o;
  o.m_type = kTypeBitmap;
  o.m_layer = test::SolidPicture(6, 4, 100, 100, 100, 255);
  o.AllocateBitmaps(6, 4);
  const CDIBSection original = o.m_layer.Clone();
  const CFilterEntry& bc = *FindFilter("Brightness and Contrast");
  CFilterSession session;
  ASSERT_TRUE(session.Begin(o));
  // Each preview starts again from the copy: +20 twice is still 100 + 51.
  ASSERT_TRUE(session.Preview(bc, {20, 0}));
  ASSERT_TRUE(session.Preview(bc, {20, 0}));
  EXPECT_EQ(test::Px(o.m_layer, 0, 0)[0], 151);
  session.Cancel();
  EXPECT_FALSE(session.Active());
  EXPECT_TRUE(o.m_layer == original);
  ASSERT_TRUE(session.Begin(o));
  ASSERT_TRUE(session.Preview(bc, {-20, 0}));
  session.End();
  EXPECT_EQ(test::Px(o.m_layer, 0, 0)[0], 49);
  EXPECT_FALSE(session.Preview(bc, {0, 0}));
  CDrawObject shape;
  shape.CreateRectangle(0, 0, 9, 9);
  EXPECT_FALSE(session.Begin(shape));
}

TEST_F(BitmapObjectFilter, GaussianSettingsInTheProfile) {
  // Defaults: radius 100, amount 100, threshold 0 in hundredths.
  CGaussianSettings s = LoadGaussianSettings(false);
  EXPECT_EQ(s.radius, 1.0);
  EXPECT_EQ(s.amount, 1.0);
  EXPECT_EQ(s.threshold, 0);
  StoreGaussianSettings(true, {2.5, 1.75, 12});
  EXPECT_EQ(App().Profile().GetInt("GausSh", "Radius", 0), 250);
  EXPECT_EQ(App().Profile().GetInt("GausSh", "Amount", 0), 175);
  EXPECT_EQ(App().Profile().GetInt("GausSh", "Tresh", 0), 12);
  s = LoadGaussianSettings(true);
  EXPECT_EQ(s.radius, 2.5);
  EXPECT_EQ(LoadGaussianSettings(false).radius, 1.0);  // the blur keeps its own section
}

TEST(TweakPreview, ScaledDownToFitKeepingProportions) {
  const CDIBSection big = test::PhotoLikePicture(960, 360, 1);
  const CDIBSection preview = MakeTweakPreview(big);
  EXPECT_EQ(preview.Width(), 240);
  EXPECT_EQ(preview.Height(), 90);
  const CDIBSection small = MakeTweakPreview(test::SolidPicture(30, 20, 1, 2, 3));
  EXPECT_EQ(small.Width(), 30);
  EXPECT_EQ(MakeTweakPreview(test::SolidPicture(2000, 1, 1, 2, 3)).Height(), 1);
  EXPECT_TRUE(MakeTweakPreview(CDIBSection()).IsEmpty());
}

}  // namespace
}  // namespace tessel
