#include "render/light_set.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

#include "base/archive.h"

namespace tessel {
namespace {

using Bytes = std::vector<uint8_t>;

CLightSet TwoLights() {
  CLightSet s;
  s.m_lights.resize(2);
  s.m_lights[0].type = CLight::kSpot;
  s.m_lights[1].type = CLight::kAmbient;
  return s;
}

TEST(LightSet, ParametersByName) {
  CLightSet s = TwoLights();
  const char* names[] = {"AZIM", "ELEV", "FOCUS", "CONE"};
  for (int i = 0; i < 4; ++i) s.SetLightParam(0, names[i], 10.5 + i, 200);
  s.SetLightParam(0, "DIST", 50.0, 200);  // pixels, stored as a fraction of the width
  s.SetLightParam(1, "TYPE", 2.0, 200);
  const CLight& l = s.m_lights[0];
  EXPECT_EQ((std::vector<double>{l.azimuth, l.elevation, l.focus, l.cone}), (std::vector<double>{10.5, 11.5, 12.5, 13.5}));
  EXPECT_EQ(l.distance, 0.25);
  EXPECT_EQ(s.m_lights[1].type, CLight::kPoint);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(s.GetLightParam(0, names[i], 200), 10.5 + i);
  EXPECT_EQ(s.GetLightParam(0, "TYPE", 200), 3.0);
  EXPECT_EQ(s.GetLightParam(0, "DIST", 200), 50.0);
  EXPECT_EQ(s.GetLightParam(0, "DIST", 400), 100.0);  // follows the box width
  EXPECT_EQ(s.GetLightParam(0, "azim", 200), 0.0);
  // Indexes without a light read 0.0 and write nothing; unknown names write nothing.
  const CLightSet before = s;
  for (int i : {-1, 2}) {
    s.SetLightParam(i, "AZIM", 1.0, 200);
    EXPECT_EQ(s.GetLightParam(i, "AZIM", 200), 0.0);
  }
  s.SetLightParam(1, "BOGUS", 1.0, 200);
  for (double type : {std::numeric_limits<double>::quiet_NaN(), 7.0, -1.0, 1e300}) s.SetLightParam(1, "TYPE", type, 200);
  EXPECT_TRUE(s == before);
  EXPECT_STREQ(CLightSet::TypeName(CLight::kAmbient), "Ambient");
  EXPECT_STREQ(CLightSet::TypeName(CLight::kSpot), "Spot");
}

TEST(LightSet, SerializeLayoutRoundTripAndReliefFloor) {
  CLightSet s = TwoLights();
  s.m_relief = 2.5;
  s.m_color1 = 0x00123456;
  s.m_flags = 3;
  s.m_lights[1].flags = 6;
  s.m_lights[1].reserved = -1.25;
  CArchive out;
  s.Serialize(out);
  // Six f64, three u32, the count, two lights of u32, u32 and nine f64, end marker.
  const Bytes& b = out.Buffer();
  ASSERT_EQ(b.size(), 48 + 12 + 4 + 2 * 80 + 4u);
  EXPECT_EQ(Bytes(b.begin() + 48, b.begin() + 52), (Bytes{0x56, 0x34, 0x12, 0}));
  EXPECT_EQ(Bytes(b.begin() + 60, b.begin() + 72), (Bytes{2, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Bytes(b.begin() + 144, b.begin() + 152), (Bytes{0, 0, 0, 0, 6, 0, 0, 0}));
  EXPECT_EQ(Bytes(b.end() - 4, b.end()), Bytes(4, 0xFF));
  const Bytes full = out.TakeBuffer();

  CLightSet loaded;
  loaded.m_lights.resize(5);  // replaced by the lights read
  CArchive in(full);
  loaded.Serialize(in);
  EXPECT_TRUE(loaded == s);
  EXPECT_EQ(in.Remaining(), 0u);

  // A relief below 1.0 (or not a number) is read as 1.0.
  for (double relief : {0.5, -3.0, std::numeric_limits<double>::quiet_NaN(), 1.0, 7.0}) {
    Bytes bytes = full;
    std::memcpy(bytes.data(), &relief, 8);
    CArchive r(bytes);
    loaded.Serialize(r);
    EXPECT_EQ(loaded.m_relief, relief >= 1.0 ? relief : 1.0) << relief;
  }

  for (size_t n = 0; n < full.size(); ++n) {
    CArchive cut(Bytes(full.begin(), full.begin() + ptrdiff_t(n)));
    EXPECT_THROW(loaded.Serialize(cut), CArchiveException) << n;
  }
  Bytes hostile = full;
  hostile[63] = 0x80;  // 2^31 lights
  CArchive h(hostile);
  EXPECT_THROW(loaded.Serialize(h), CArchiveException);
}

}  // namespace
}  // namespace tessel
