#include <gtest/gtest.h>

#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "render/coverage_mask.h"
#include "render/map_names.h"
#include "render/texture_bank.h"
#include "render/transparency_map.h"
#include "test_util.h"

namespace tessel {
namespace {

// An object with a w × h bitmap of colour (r, g, b) and alpha 7, and a full mask.
struct CMapped {
  CDrawObject o;
  CCoverageMask mask;
  CMapped(int w, int h, const std::string& map, int r = 10, int g = 20, int b = 30) {
    o.m_width = w;
    o.m_height = h;
    o.m_bitmap.Create(w, h, 32);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        uint8_t* p = o.m_bitmap.RowFromTop(y) + 4 * x;
        p[0] = uint8_t(b);
        p[1] = uint8_t(g);
        p[2] = uint8_t(r);
        p[3] = 7;
      }
    mask.Reset(w, h, 255);
    o.m_transpName = map;
    o.m_transpAmount = 255;
    o.m_transpMode = 1;
  }
  void Geometry(double sx, double sy, double ex, double ey, double bias = 0.5) {
    o.m_transpGeom = {sx, ex, bias, sy, ey, 0.0};
  }
  int Alpha(int x, int y) const { return o.m_bitmap.RowFromTop(y)[4 * x + 3]; }
  int Blue(int x, int y) const { return o.m_bitmap.RowFromTop(y)[4 * x]; }
  int Red(int x, int y) const { return o.m_bitmap.RowFromTop(y)[4 * x + 2]; }
  void Apply() { ApplyTransparencyMap(o, mask); }
};

CRecordingMessages& Recorder() { return static_cast<CRecordingMessages&>(App().Messages()); }

TEST(TransparencyMap, LinearFromStartToEndWithBias) {
  CAppContext app;
  // (0, ½) → (1, ½) over 100 × 50: x0 = 0, y0 = 25, D = 100, t = x / 100.
  for (const auto& [bias, at25, at50] : {std::tuple{0.5, 191, 127}, std::tuple{1.0, 239, 191},
                                         std::tuple{0.0, 143, 63}}) {
    CMapped m(100, 50, kLinearMapName);
    m.Geometry(0.0, 0.5, 1.0, 0.5, bias);
    m.Apply();
    EXPECT_EQ(m.Alpha(0, 0), 255) << bias;
    EXPECT_EQ(m.Alpha(25, 10), at25) << bias;  // t = 0.25: linear, t², 1 − (1 − t)²
    EXPECT_EQ(m.Alpha(50, 49), at50) << bias;  // t = 0.5
    EXPECT_EQ(m.Blue(50, 49), 30) << "the transparent mode leaves the colour";
  }
  // The end point lies inside the box: beyond it the map stays 1.
  CMapped inside(100, 50, kLinearMapName);
  inside.Geometry(0.0, 0.5, 0.5, 0.5);
  inside.Apply();
  EXPECT_EQ(inside.Alpha(50, 0), 0);
  EXPECT_EQ(inside.Alpha(99, 0), 0);
  // A half mask halves the alpha: trunc((1 − 0.25) · 128) = 96.
  CMapped half(100, 50, kLinearMapName);
  half.Geometry(0.0, 0.5, 1.0, 0.5);
  half.mask.Reset(100, 50, 128);
  half.Apply();
  EXPECT_EQ(half.Alpha(25, 0), 96);
}

TEST(TransparencyMap, EqualPointsInvertAndAmount) {
  CAppContext app;
  for (const char* name : {kLinearMapName, kBilinearMapName}) {
    CMapped m(20, 10, name);
    m.Geometry(0.3, 0.3, 0.3, 0.3);
    m.Apply();
    EXPECT_EQ(m.Alpha(0, 0), 255) << name;
    EXPECT_EQ(m.Alpha(19, 9), 255) << name;
  }
  // Radius 0.01: only the start pixel (6, 7) keeps t = 0.
  CMapped radial(20, 10, kRadialMapName);
  radial.Geometry(0.3, 0.3, 0.3, 0.3);
  radial.Apply();
  EXPECT_EQ(radial.Alpha(6, 7), 255);
  EXPECT_EQ(radial.Alpha(7, 7), 0);
  EXPECT_EQ(radial.Alpha(6, 6), 0);

  // Inverted: t = 0.75 at x = 25.
  CMapped inverted(100, 50, kLinearMapName);
  inverted.Geometry(0.0, 0.5, 1.0, 0.5);
  inverted.o.m_layerTranspMode = 1;
  inverted.Apply();
  EXPECT_EQ(inverted.Alpha(25, 0), 63);
  EXPECT_EQ(inverted.Alpha(0, 0), 0);

  // Amount 128 scales t by 128 · 0.00392156862745098: at x = 99, t = 0.99 · 0.50196.
  CMapped amount(100, 50, kLinearMapName);
  amount.Geometry(0.0, 0.5, 1.0, 0.5);
  amount.o.m_transpAmount = 128;
  amount.Apply();
  EXPECT_EQ(amount.Alpha(99, 0), 128);
  EXPECT_EQ(amount.Alpha(0, 0), 255);

  // Amount 0 or a flat map: the mask becomes the alpha, nothing else changes.
  for (const auto& [name, amt] : {std::pair{std::string(kLinearMapName), 0}, std::pair{std::string(kFlatMapName), 255},
                                  std::pair{std::string(), 255}}) {
    CMapped off(8, 8, name);
    off.mask.Row(2)[3] = 33;
    off.o.m_transpAmount = amt;
    off.Apply();
    EXPECT_EQ(off.Alpha(3, 2), 33);
    EXPECT_EQ(off.Alpha(4, 2), 255);
    EXPECT_EQ(off.Red(3, 2), 10);
  }
}

TEST(TransparencyMap, BilinearAndRadialShapes) {
  CAppContext app;
  // Start in the middle (50, 25), end at the right edge: D = 50.
  CMapped bi(100, 50, kBilinearMapName);
  bi.Geometry(0.5, 0.5, 1.0, 0.5);
  bi.Apply();
  EXPECT_EQ(bi.Alpha(25, 0), 127);
  EXPECT_EQ(bi.Alpha(75, 0), 127);
  EXPECT_EQ(bi.Alpha(50, 0), 255);
  // Radial: rx = 50, ry = 25 (the box's proportions).
  CMapped radial(100, 50, kRadialMapName);
  radial.Geometry(0.5, 0.5, 1.0, 0.5);
  radial.Apply();
  EXPECT_EQ(radial.Alpha(50, 25), 255);
  EXPECT_EQ(radial.Alpha(75, 25), 127);
  EXPECT_EQ(radial.Alpha(50, 0), 0);
  EXPECT_EQ(radial.Alpha(50, 12), 122);  // t = 13/25: trunc(0.48 · 255)
}

TEST(TransparencyMap, WashModeTurnsColourTowardsWhite) {
  CAppContext app;
  // Equal points with the radial map: t = 1 everywhere but the start pixel.
  CMapped wash(20, 10, kRadialMapName, 10, 20, 30);
  wash.Geometry(0.3, 0.3, 0.3, 0.3);
  wash.o.m_transpMode = 0;
  wash.mask.Row(0)[0] = 40;
  wash.Apply();
  EXPECT_EQ(wash.Red(0, 0), 255);
  EXPECT_EQ(wash.Blue(19, 9), 255);
  EXPECT_EQ(wash.Alpha(0, 0), 40) << "the mask is kept as alpha";
  EXPECT_EQ(wash.Alpha(19, 9), 255);
  EXPECT_EQ(wash.Red(6, 7), 10);  // t = 0
  // Amount 128: v = trunc(1 · 0.50196 · 255) = 128 is added.
  CMapped half(20, 10, kRadialMapName, 10, 200, 30);
  half.Geometry(0.3, 0.3, 0.3, 0.3);
  half.o.m_transpMode = 0;
  half.o.m_transpAmount = 128;
  half.Apply();
  EXPECT_EQ(half.Red(0, 0), 138);
  EXPECT_EQ(half.o.m_bitmap.RowFromTop(0)[1], 255);  // green saturates
}

TEST(TransparencyMap, BurstTakesInvertAndAmountButNoBias) {
  CAppContext app;
  CMapped plain(64, 64, kBurstMapName), biased(64, 64, kBurstMapName);
  biased.Geometry(0.0, 0.5, 1.0, 0.5, 1.0);
  plain.Apply();
  biased.Apply();
  EXPECT_EQ(plain.o.m_bitmap, biased.o.m_bitmap);
  EXPECT_EQ(plain.Alpha(32, 32), 239);  // weight 16 beside the centre: (1 − 16/255) · 255
  EXPECT_EQ(plain.Alpha(0, 0), 0);
  CMapped inverted(64, 64, kBurstMapName);
  inverted.o.m_layerTranspMode = 1;
  inverted.Apply();
  EXPECT_EQ(inverted.Alpha(0, 0), 255);
}

TEST(TransparencyMap, ImageMapsTileFromTheTopLeft) {
  CAppContext app;
  // A 2 × 1 map: left texel mean 60, right texel mean 0.
  CDIBSection pic;
  pic.Create(2, 1, 24);
  uint8_t* row = pic.RowFromTop(0);
  row[0] = 30, row[1] = 60, row[2] = 90;
  App().TextureBank().Add("Stripes.png", "TR", std::move(pic));

  CMapped wash(5, 2, "stripes.PNG");  // the store ignores letter case
  wash.o.m_transpMode = 0;
  wash.Apply();
  EXPECT_EQ(wash.Red(0, 0), 10 + 59);  // (60 · 255) >> 8
  EXPECT_EQ(wash.Red(1, 0), 10);
  EXPECT_EQ(wash.Red(2, 1), 69);  // x = 2 reads texel 0 again
  EXPECT_EQ(wash.Alpha(2, 1), 255);

  CMapped inverted(5, 2, "Stripes.png");
  inverted.o.m_transpMode = 0;
  inverted.o.m_layerTranspMode = 1;
  inverted.o.m_transpAmount = 100;
  inverted.Apply();
  EXPECT_EQ(inverted.Red(0, 0), 10 + (195 * 100 >> 8));
  EXPECT_EQ(inverted.Red(1, 0), 10 + (255 * 100 >> 8));

  // "Resize Transparency Textures" at render scale 2: each texel covers 2 × 2 pixels.
  CMapped grown(5, 2, "Stripes.png");
  grown.o.m_transpMode = 0;
  grown.o.m_renderScale = 2;
  grown.o.m_texParam2 = 1;
  grown.Apply();
  EXPECT_EQ(grown.Red(1, 1), 69);
  EXPECT_EQ(grown.Red(2, 0), 10);
  EXPECT_EQ(grown.Red(4, 0), 69);

  CMapped clear(5, 2, "Stripes.png");
  clear.Apply();
  EXPECT_EQ(clear.Alpha(0, 0), 195);  // 255 · (65025 − 60 · 255) / 65025
  EXPECT_EQ(clear.Alpha(1, 0), 255);
  EXPECT_EQ(clear.Red(0, 0), 10);
  EXPECT_TRUE(Recorder().MessageTexts().empty());
}

TEST(TransparencyMap, MissingImageIsReportedOnceAndDropped) {
  test::TempDir program, user;
  CAppContext app(std::make_unique<CProfile>(), std::make_unique<CRecordingMessages>(), AppPaths(program.Path(), user.Path()));
  CMapped m(4, 4, "Maps\\gone.png");
  m.mask.Row(1)[1] = 50;
  m.Apply();
  ASSERT_EQ(Recorder().MessageTexts().size(), 1u);
  EXPECT_EQ(Recorder().MessageTexts()[0],
            "This file uses missing transparent texture:Maps\\gone.png\nThe texture was not saved to the project "
            "file\nand it is also missing in the subfirectory Transp.");
  EXPECT_EQ(App().m_missingTextures, std::vector<std::string>{"gone.png"});
  EXPECT_TRUE(m.o.m_transpName.empty());
  EXPECT_EQ(m.Alpha(1, 1), 50);
  m.Apply();
  EXPECT_EQ(Recorder().MessageTexts().size(), 1u);
}

TEST(TransparencyMap, ReservedNamesAreNeverFiles) {
  test::TempDir program, user;
  CAppContext app(std::make_unique<CProfile>(), std::make_unique<CRecordingMessages>(), AppPaths(program.Path(), user.Path()));
  for (const char* name : {kLinearMapName, kRadialMapName, kBilinearMapName, kBurstMapName, kFlatMapName,
                           kLinearGradientName, kBurstGradientName}) {
    CMapped m(6, 6, name);
    m.Apply();
    EXPECT_EQ(m.o.m_transpName, name);
  }
  EXPECT_TRUE(Recorder().MessageTexts().empty());
  EXPECT_TRUE(App().TextureBank().Entries().empty());
  EXPECT_TRUE(App().m_missingTextures.empty());
  // Letter case matters: this one is an image file, and it is missing.
  CMapped other(6, 6, "linear.tmb");
  other.Apply();
  EXPECT_EQ(Recorder().MessageTexts().size(), 1u);
  EXPECT_TRUE(other.o.m_transpName.empty());
}

TEST(TransparencyMap, NoMaskNoWork) {
  CAppContext app;
  CMapped m(4, 4, kLinearMapName);
  CCoverageMask none;
  const CDIBSection before = m.o.m_bitmap.Clone();
  ApplyTransparencyMap(m.o, none);
  EXPECT_EQ(m.o.m_bitmap, before);
}

}  // namespace
}  // namespace tessel
