#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "base/app_context.h"
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
  for (int y = 0; y < h; ++y) std::fill_n(b.RowFromTop(y), 4 * w, uint8_t(v));
  return b;
}

int Red(const CDIBSection& b, int x, int y) { return b.RowFromTop(y)[4 * x + 2]; }

// A w × h grey picture shaded under a full mask.
CDIBSection Shaded(int w, int h, int grey, const CLightSet& set, const CHeightMap& map, int scale = 1) {
  CDIBSection b = Grey(w, h, grey);
  CCoverageMask mask;
  mask.Reset(w, h, 255);
  EXPECT_TRUE(ShadeLights(b, mask, set, map, scale));
  return b;
}

// Every row alike: value(x) for x = 0 .. w − 1.
template <class F>
std::vector<uint8_t> Rows(int w, int h, F value) {
  std::vector<uint8_t> map(size_t(w) * h);
  for (size_t i = 0; i < map.size(); ++i) map[i] = uint8_t(value(int(i % size_t(w))));
  return map;
}

// A set without highlights lit by one light.
CLightSet Matte(int type, double azimuth = 0, double elevation = 1, double distance = 1, double x = 0.5) {
  CLightSet s;
  s.m_specular = 0.0;
  CLight l;
  l.type = type, l.azimuth = azimuth, l.elevation = elevation, l.distance = distance, l.x = x, l.y = 0.5;
  s.m_lights = {l};
  return s;
}

TEST(Lights, HeightSamplingWrapsAndNormalsAverageTriangles) {
  const uint8_t bytes[] = {10, 20, 30, 40};  // bottom row 10 20, top row 30 40
  const CHeightMap map{bytes, 2, 2};
  EXPECT_DOUBLE_EQ(SampleHeight(map, 0, 0, 1.5), 30 / 255.0 * 9);  // |trunc(6 · 1.5)|
  EXPECT_DOUBLE_EQ(SampleHeight(map, 3, 1, 1.5), 20 / 255.0 * 9);  // wraps in x
  EXPECT_DOUBLE_EQ(SampleHeight(map, 2, 4, 0.2), 30 / 255.0 * 6);  // relief raised to 1.0
  double row[5];
  SampleHeightRow(map, 3, 2.0, 5, row);  // the stepped row gives the same heights
  for (int x = 0; x < 5; ++x) EXPECT_EQ(row[x], SampleHeight(map, x, 3, 2.0)) << x;
  for (double n : {0.5, 1.0, 10.0, 100.0, 300.0})
    for (int i = 0; i <= 1000; ++i) ASSERT_NEAR(CPowerCurve(n)(i / 1000.0), std::pow(i / 1000.0, n), 1e-4) << n;

  const double c = 5, lo = 4, hi = 6, r = 1 / std::sqrt(2.0);
  CVec3 n = MeanTriangleNormal(c, &lo, &c, &hi, &c);  // rising to the right: faces left
  EXPECT_NEAR(n.x, -r, 1e-12);
  EXPECT_NEAR(n.z, r, 1e-12);
  EXPECT_NEAR(MeanTriangleNormal(c, &hi, &c, &hi, &c).z, r, 1e-12);  // a trough: not normalised again
  n = MeanTriangleNormal(c, nullptr, nullptr, &c, &hi);  // top-left corner: one triangle,
  EXPECT_NEAR(n.y, -r, 1e-12);                           // rising downwards: faces up
  EXPECT_EQ(MeanTriangleNormal(c, &hi, nullptr, nullptr, nullptr).z, 1.0);
}

TEST(Lights, DistantLightsBrightenTheSlopesFacingThemAlsoWhenEnlarged) {
  const std::vector<uint8_t> ridge = Rows(32, 6, [](int x) { return 255 - 15 * std::abs(x - 16); });
  const CHeightMap map{ridge.data(), 32, 6};
  const CDIBSection fromLeft = Shaded(32, 6, 128, Matte(CLight::kDistant, kPi), map);
  const CDIBSection fromRight = Shaded(32, 6, 128, Matte(CLight::kDistant, 0.0), map);
  EXPECT_GT(Red(fromLeft, 8, 3), Red(fromLeft, 24, 3) + 40);
  EXPECT_GT(Red(fromRight, 24, 3), Red(fromRight, 8, 3) + 40);

  // A ramp and the same ramp enlarged twice, as an enlarged render's bump map is.
  const std::vector<uint8_t> ramp = Rows(16, 3, [](int x) { return 10 * x; });
  const std::vector<uint8_t> wide = Rows(32, 3, [](int x) { return 5 * x; });
  const CLightSet s = Matte(CLight::kDistant, kPi, 2.0);
  const CDIBSection screen = Shaded(16, 3, 128, s, {ramp.data(), 16, 3});
  EXPECT_EQ(Red(Shaded(32, 3, 128, s, {wide.data(), 32, 3}, 2), 16, 1), Red(screen, 8, 1));
  EXPECT_GT(Red(screen, 8, 1), Red(Shaded(16, 3, 128, s, {}), 8, 1) + 20);
}

TEST(Lights, SpotLightsOnlyItsConeAndPointLightFallsOff) {
  const CLightSet ambient = Matte(CLight::kAmbient);
  CLightSet spot = Matte(CLight::kSpot, kPi, 1.0, 0.3);
  spot.m_lights[0].cone = 0.3;
  spot.m_lights[0].focus = 0.5;
  spot.m_lights.push_back(ambient.m_lights[0]);
  const CDIBSection dim = Shaded(100, 100, 200, ambient, {}), lit = Shaded(100, 100, 200, spot, {});
  EXPECT_GT(Red(lit, 50, 50), Red(dim, 50, 50) + 60);  // the spot's target
  for (int x : {2, 97}) EXPECT_EQ(Red(lit, x, x), Red(dim, x, x)) << "outside the cone";

  // A point light 10 px left of (30, 50) and 20 px up.
  const CDIBSection b = Shaded(100, 100, 200, Matte(CLight::kPoint, kPi, 0.5, 0.1, 0.3), {});
  for (int x = 21; x < 100; ++x) EXPECT_LE(Red(b, x, 50), Red(b, x - 1, 50)) << x;
  EXPECT_GT(Red(b, 20, 50), 2 * Red(b, 90, 50));
}

TEST(Lights, AmbientLightIsFlatAndColouredWithinTheMask) {
  const std::vector<uint8_t> ridge = Rows(32, 6, [](int x) { return 255 - 15 * std::abs(x - 16); });
  CLightSet s = Matte(CLight::kAmbient);
  s.m_color1 = 0x0000FF;  // red light
  CDIBSection b = Grey(32, 6, 128);
  CCoverageMask mask;
  mask.Reset(32, 6, 255);
  mask.Row(0)[0] = 0;
  mask.Row(0)[1] = 128;
  ASSERT_TRUE(ShadeLights(b, mask, s, CHeightMap{ridge.data(), 32, 6}));
  // 128 · ka · (1 + 1) = 76.8 in red, nothing in green and blue, whatever the relief.
  for (int y = 1; y < 6; ++y)
    for (int x = 0; x < 32; ++x) {
      const uint8_t* p = b.RowFromTop(y) + 4 * x;
      ASSERT_EQ((std::vector<int>{p[2], p[1], p[0]}), (std::vector<int>{76, 0, 0})) << x;
    }
  EXPECT_EQ(Red(b, 0, 0), 128);                           // outside the mask
  EXPECT_EQ(Red(b, 1, 0), (128 * 127 + 76 * 128) / 255);  // half inside
}

TEST(Lights, EnvironmentIsReflectedByItsShare) {
  CLightSet s;
  s.m_environment.picture = Grey(8, 8, 0);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) s.m_environment.picture.RowFromTop(y)[4 * x + 2] = 240;
  s.m_ambient = 0.5;
  s.m_reflection = 0.5;
  // Without lights only the ambient share lights: 101 · 0.5, halved, plus 240 / 2.
  const CDIBSection b = Shaded(10, 10, 101, s, {});
  EXPECT_EQ(Red(b, 3, 7), 145);
  EXPECT_EQ(b.RowFromTop(7)[4 * 3], 25);
}

TEST(Lights, StepLoadsBumpMapsAndDropsMissingOnes) {
  test::TempDir program, user;
  CAppContext app(std::make_unique<CProfile>(), std::make_unique<CRecordingMessages>(),
                  AppPaths(program.Path(), user.Path()));
  std::filesystem::create_directory(program.File("Bumpmap"));
  CDIBSection bumps = Grey(16, 16, 0);
  for (int y = 0; y < 16; ++y) std::fill_n(bumps.RowFromTop(y) + 4 * 8, 4 * 8, uint8_t(255));
  ASSERT_TRUE(WritePngBgra(program.File("Bumpmap/Step.png"), bumps, false, nullptr));
  auto render = [](const std::string& bump) {  // the name left and two pixels
    CDrawObject o;
    o.m_color = 0x808080;
    o.m_lightsOn = 1;
    o.m_lights = Matte(CLight::kDistant, kPi);
    o.m_bumpName = bump;
    o.m_bumpScale = 1.0;
    o.CreateRectangle(0, 0, 40, 20);
    return o.m_bumpName + ":" + std::to_string(Red(o.m_bitmap, 8, 10)) + "," + std::to_string(Red(o.m_bitmap, 12, 10));
  };
  const std::string flat = render("None.jpg");
  EXPECT_EQ(flat.substr(0, 1), ":");  // "None.jpg" is no name
  EXPECT_EQ(render("gone.png"), flat);
  EXPECT_EQ(App().m_missingTextures, std::vector<std::string>{"gone.png"});
  EXPECT_NE(render("Step.png"), "Step.png" + flat);  // the step's edges catch the light
}

}  // namespace
}  // namespace tessel
