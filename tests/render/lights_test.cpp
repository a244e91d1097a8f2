#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "io/png_writer.h"
#include "render/coverage_mask.h"
#include "render/light_set.h"
#include "render/light_shading.h"
#include "render/lights_step.h"
#include "test_util.h"

namespace tessel {
namespace {

constexpr double kPi = 3.141592653589793;

CDIBSection Grey(int w, int h, int v) {
  CDIBSection b;
  b.Create(w, h, 32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) std::fill_n(b.RowFromTop(y) + 4 * x, 3, uint8_t(v));
  return b;
}

int Red(const CDIBSection& b, int x, int y) { return b.RowFromTop(y)[4 * x + 2]; }

CCoverageMask FullMask(int w, int h) {
  CCoverageMask m;
  m.Reset(w, h, 255);
  return m;
}

// A ridge along the middle column of a w-wide box: heights rise to the right up to the
// middle and fall after it (bottom-up rows; every row alike).
std::vector<uint8_t> Ridge(int w, int h) {
  std::vector<uint8_t> map(size_t(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) map[size_t(y) * w + x] = uint8_t(255 - 15 * std::abs(x - w / 2));
  return map;
}

CLight Light(int type, double azimuth, double elevation) {
  CLight l;
  l.type = type;
  l.azimuth = azimuth;
  l.elevation = elevation;
  return l;
}

CLightSet Matte() {
  CLightSet s;
  s.m_specular = 0.0;
  return s;
}

TEST(Lights, HeightSamplingWrapsAndNormalsAverageTriangles) {
  const uint8_t bytes[] = {10, 20, 30, 40};  // bottom row 10 20, top row 30 40
  const CHeightMap map{bytes, 2, 2};
  EXPECT_DOUBLE_EQ(SampleHeight(map, 0, 0, 1.5), 30 / 255.0 * 9);  // |trunc(6 · 1.5)|
  EXPECT_DOUBLE_EQ(SampleHeight(map, 3, 1, 1.5), 20 / 255.0 * 9);  // wraps in x
  EXPECT_DOUBLE_EQ(SampleHeight(map, 2, 4, 0.2), 30 / 255.0 * 6);  // relief raised to 1.0
  EXPECT_EQ(SampleHeight(CHeightMap{}, 5, 5, 3.0), 0.0);
  double row[5];
  SampleHeightRow(map, 3, 2.0, 5, row);  // the stepped row gives the same heights
  for (int x = 0; x < 5; ++x) EXPECT_EQ(row[x], SampleHeight(map, x, 3, 2.0)) << x;
  for (double n : {0.5, 1.0, 10.0, 100.0, 300.0}) {
    const CPowerCurve curve(n);
    for (int i = 0; i <= 1000; ++i) ASSERT_NEAR(curve(i / 1000.0), std::pow(i / 1000.0, n), 1e-4) << n;
  }

  const double c = 5, lo = 4, hi = 6, r = 1 / std::sqrt(2.0);
  CVec3 n = MeanTriangleNormal(c, &lo, &c, &hi, &c);  // rising to the right: faces left
  EXPECT_NEAR(n.x, -r, 1e-12);
  EXPECT_NEAR(n.z, r, 1e-12);
  n = MeanTriangleNormal(c, &hi, &c, &hi, &c);  // a trough: the mean is not normalised again
  EXPECT_NEAR(n.x, 0.0, 1e-12);
  EXPECT_NEAR(n.z, r, 1e-12);
  n = MeanTriangleNormal(c, nullptr, nullptr, &c, &hi);  // top-left corner: one triangle
  EXPECT_NEAR(n.y, -r, 1e-12);                           // rising downwards: faces up
  n = MeanTriangleNormal(c, &hi, nullptr, nullptr, nullptr);
  EXPECT_EQ(n.z, 1.0);
}

TEST(Lights, DistantLightBrightensTheSlopesFacingIt) {
  const int w = 32, h = 6;
  const std::vector<uint8_t> ridge = Ridge(w, h);
  const CHeightMap map{ridge.data(), w, h};
  for (double azimuth : {kPi, 0.0}) {  // from the left, then from the right
    CDIBSection b = Grey(w, h, 128);
    CLightSet s = Matte();
    s.m_lights = {Light(CLight::kDistant, azimuth, 1.0)};
    ASSERT_TRUE(ShadeLights(b, FullMask(w, h), s, map));
    const int leftSlope = Red(b, 8, 3), rightSlope = Red(b, 24, 3);
    if (azimuth == kPi) EXPECT_GT(leftSlope, rightSlope + 40);
    else EXPECT_GT(rightSlope, leftSlope + 40);
  }
}

TEST(Lights, EnlargedRenderKeepsTheSlopes) {
  // A ramp, and the same ramp enlarged twice as an enlarged render's bump map would be
  // (three rows each: a pixel needs a neighbour above or below for its triangles).
  std::vector<uint8_t> ramp(16 * 3), wide(32 * 3);
  for (int x = 0; x < 48; ++x) ramp[size_t(x)] = uint8_t(10 * (x % 16));
  for (int x = 0; x < 96; ++x) wide[size_t(x)] = uint8_t(5 * (x % 32));
  CLightSet s = Matte();
  s.m_lights = {Light(CLight::kDistant, kPi, 2.0)};
  CDIBSection screen = Grey(16, 3, 128), enlarged = Grey(32, 3, 128), flat = Grey(16, 3, 128);
  ShadeLights(screen, FullMask(16, 3), s, CHeightMap{ramp.data(), 16, 3});
  ShadeLights(enlarged, FullMask(32, 3), s, CHeightMap{wide.data(), 32, 3}, 2);
  ShadeLights(flat, FullMask(16, 3), s, CHeightMap{});
  EXPECT_EQ(Red(enlarged, 16, 1), Red(screen, 8, 1));
  EXPECT_GT(Red(screen, 8, 1), Red(flat, 8, 1) + 20);  // the slope faces the light
}

TEST(Lights, SpotLightsOnlyItsConeAndPointLightFallsOff) {
  const int w = 100, h = 100;
  CLightSet base = Matte();
  base.m_lights = {Light(CLight::kAmbient, 0, 1)};
  CLight spot = Light(CLight::kSpot, kPi, 1.0);
  spot.distance = 0.3;
  spot.cone = 0.3;
  spot.focus = 0.5;
  spot.x = spot.y = 0.5;
  CLightSet lit = base;
  lit.m_lights.push_back(spot);
  CDIBSection ambientOnly = Grey(w, h, 200), spotLit = Grey(w, h, 200);
  ShadeLights(ambientOnly, FullMask(w, h), base, CHeightMap{});
  ShadeLights(spotLit, FullMask(w, h), lit, CHeightMap{});
  EXPECT_GT(Red(spotLit, 50, 50), Red(ambientOnly, 50, 50) + 60);  // the spot's target
  for (int x : {2, 97}) EXPECT_EQ(Red(spotLit, x, x), Red(ambientOnly, x, x)) << "outside the cone";

  CLight point = Light(CLight::kPoint, kPi, 0.5);  // 10 px left of (30, 50), 20 px up
  point.distance = 0.1;
  point.x = 0.3;
  point.y = 0.5;
  CLightSet bulb = Matte();
  bulb.m_lights = {point};
  CDIBSection b = Grey(w, h, 200);
  ShadeLights(b, FullMask(w, h), bulb, CHeightMap{});
  for (int x = 21; x < w; ++x) EXPECT_LE(Red(b, x, 50), Red(b, x - 1, 50)) << x;
  EXPECT_GT(Red(b, 20, 50), 2 * Red(b, 90, 50));
}

TEST(Lights, AmbientLightIsFlatAndColoured) {
  const int w = 32, h = 6;
  const std::vector<uint8_t> ridge = Ridge(w, h);
  CLightSet s = Matte();
  s.m_lights = {Light(CLight::kAmbient, 0, 1)};
  s.m_color1 = 0x0000FF;  // red light
  CDIBSection b = Grey(w, h, 128);
  CCoverageMask mask = FullMask(w, h);
  mask.Row(0)[0] = 0;
  mask.Row(0)[1] = 128;
  ASSERT_TRUE(ShadeLights(b, mask, s, CHeightMap{ridge.data(), w, h}));
  // 128 · ka · (1 + 1) = 76.8 in red, nothing in green and blue, whatever the relief.
  for (int y = 1; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = b.RowFromTop(y) + 4 * x;
      ASSERT_EQ((std::array<int, 3>{p[2], p[1], p[0]}), (std::array<int, 3>{76, 0, 0})) << x << "," << y;
    }
  EXPECT_EQ(Red(b, 0, 0), 128);                 // outside the mask
  EXPECT_EQ(Red(b, 1, 0), (128 * 127 + 76 * 128) / 255);  // half inside
}

TEST(Lights, EnvironmentIsReflectedByItsShare) {
  CLightSet s = Matte();
  s.m_environment.picture = Grey(8, 8, 0);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) s.m_environment.picture.RowFromTop(y)[4 * x + 2] = 240;
  CLightSet copy = s;  // copies own their picture; files do not hold it
  EXPECT_EQ(copy.m_environment.picture, s.m_environment.picture);
  copy.m_environment.picture.Release();
  CArchive with, without;
  s.Serialize(with);
  copy.Serialize(without);
  EXPECT_EQ(with.Buffer(), without.Buffer());
  s.m_ambient = 0.5;
  s.m_reflection = 0.5;
  CDIBSection b = Grey(10, 10, 101);
  ASSERT_TRUE(ShadeLights(b, FullMask(10, 10), s, CHeightMap{}));
  // Without lights only the ambient share lights: 101 · 0.5, halved, plus 240 / 2.
  EXPECT_EQ(Red(b, 3, 7), 145);
  EXPECT_EQ(b.RowFromTop(7)[4 * 3], 25);
  CLightSet none;
  EXPECT_FALSE(ShadeLights(b, FullMask(10, 10), none, CHeightMap{}));
}

TEST(Lights, StepLoadsBumpMapsAndDropsMissingOnes) {
  test::TempDir program, user;
  CAppContext app(std::make_unique<CProfile>(), std::make_unique<CRecordingMessages>(),
                  AppPaths(program.Path(), user.Path()));
  std::filesystem::create_directory(program.File("Bumpmap"));
  CDIBSection bumps = Grey(16, 16, 0);
  for (int y = 0; y < 16; ++y) std::fill_n(bumps.RowFromTop(y) + 4 * 8, 4 * 8, uint8_t(255));
  ASSERT_TRUE(WritePngBgra(program.File("Bumpmap/Step.png"), bumps, false, nullptr));

  auto render = [](const std::string& bump) {
    CDrawObject o;
    o.m_color = 0x808080;
    o.m_lightsOn = 1;
    o.m_lights.m_lights = {Light(CLight::kDistant, kPi, 1.0)};
    o.m_bumpName = bump;
    o.m_bumpScale = 1.0;
    o.CreateRectangle(0, 0, 40, 20);
    return o.m_bumpName + ":" + std::to_string(Red(o.m_bitmap, 8, 10)) + "," +
           std::to_string(Red(o.m_bitmap, 12, 10));
  };
  const std::string flat = render("None.jpg");
  EXPECT_EQ(flat.substr(0, 1), ":");  // "None.jpg" is no name
  EXPECT_EQ(render("gone.png"), flat);
  EXPECT_EQ(App().m_missingTextures, std::vector<std::string>{"gone.png"});
  EXPECT_NE(render("Step.png"), "Step.png" + flat);  // the step's edges catch the light
  EXPECT_TRUE(static_cast<CRecordingMessages&>(App().Messages()).MessageTexts().empty());
}

}  // namespace
}  // namespace tessel
