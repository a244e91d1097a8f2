#include <gtest/gtest.h>

#include <array>

#include "render/pixel_math.h"
#include "render/texture_modes.h"

namespace tessel {
namespace {

constexpr uint32_t Rgb(int r, int g, int b) { return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16; }

// The colour (r, g, b) combined with the texel (r, g, b); returns r, g, b.
std::array<int, 3> Combine(int mode, std::array<int, 3> colour, std::array<int, 3> texel, int amount,
                           uint32_t colour2 = Rgb(0, 128, 255)) {
  uint8_t p[4] = {uint8_t(colour[2]), uint8_t(colour[1]), uint8_t(colour[0]), 77};
  const uint8_t t[3] = {uint8_t(texel[2]), uint8_t(texel[1]), uint8_t(texel[0])};
  CombineTexturePixel(mode, p, t, amount, colour2);
  EXPECT_EQ(p[3], 77) << "alpha is not the texture's business";
  return {p[2], p[1], p[0]};
}

using Rgb3 = std::array<int, 3>;

TEST(TextureModes, EachModeAtFullAmountHandWorked) {
  const Rgb3 d{200, 100, 50}, t{100, 150, 250};  // texel brightness 166, colour 116
  EXPECT_EQ(Combine(kTexNormal, d, t, 255), (Rgb3{100, 150, 250}));
  EXPECT_EQ(Combine(kTexMultiply, d, t, 255), (Rgb3{78, 58, 49}));
  EXPECT_EQ(Combine(kTexDifference, d, t, 255), (Rgb3{100, 50, 200}));
  EXPECT_EQ(Combine(kTexScreen, d, t, 255), (Rgb3{222, 192, 251}));
  EXPECT_EQ(Combine(kTexOverlay, d, t, 255), (Rgb3{189, 117, 98}));
  EXPECT_EQ(Combine(kTexDarken, d, t, 255), (Rgb3{100, 100, 50}));
  EXPECT_EQ(Combine(kTexLighten, d, t, 255), (Rgb3{200, 150, 250}));
  EXPECT_EQ(Combine(kTexHardLight, d, t, 255), (Rgb3{156, 128, 247}));
  EXPECT_EQ(Combine(kTexSoftLight, d, t, 255), (Rgb3{190, 110, 88}));
  EXPECT_EQ(Combine(kTexIfLighter, d, t, 255), t);  // 166 > 116: the whole texel
  EXPECT_EQ(Combine(kTexIfDarker, d, t, 255), d);
  EXPECT_EQ(Combine(kTexIfDarker, t, d, 255), d);  // now the texel is the darker one
  EXPECT_EQ(Combine(kTexNegative, d, t, 255), (Rgb3{106, 135, 150}));
  EXPECT_EQ(Combine(kTexTint, d, t, 255), (Rgb3{70, 118, 183}));
  EXPECT_EQ(Combine(kTexColorize, d, t, 255), (Rgb3{41, 169, 255}));  // luminance 146
  // Unknown mode numbers act as Normal.
  EXPECT_EQ(Combine(99, d, t, 255), t);
  EXPECT_EQ(Combine(-1, d, t, 255), t);
}

TEST(TextureModes, AmountWeighsTheBlendAgainstTheColour) {
  const Rgb3 d{200, 100, 50}, t{100, 150, 250};
  EXPECT_EQ(Combine(kTexNormal, d, t, 128), (Rgb3{149, 125, 150}));  // (d·127 + t·128) / 255
  EXPECT_EQ(Combine(kTexMultiply, d, t, 128), (Rgb3{138, 78, 49}));
  EXPECT_EQ(Combine(kTexNormal, d, t, 0), d);
  EXPECT_EQ(Combine(kTexNormal, d, t, 400), t);  // held at 255
  // Black texels leave Negative and Tint alone; white ones invert or reach the second colour.
  EXPECT_EQ(Combine(kTexNegative, d, {0, 0, 0}, 255), d);
  EXPECT_EQ(Combine(kTexNegative, d, {255, 255, 255}, 255), (Rgb3{55, 155, 205}));
  EXPECT_EQ(Combine(kTexTint, d, {255, 255, 255}, 255, Rgb(1, 2, 3)), (Rgb3{1, 2, 3}));
}

TEST(TextureModes, RowsMatchPixelsForEveryMode) {
  // A row of varied pixels against the one-pixel form.
  constexpr int kWidth = 64;
  uint8_t colour[kWidth * 4], texels[kWidth * 3];
  for (int i = 0; i < kWidth * 4; ++i) colour[i] = uint8_t(i * 37 + 11);
  for (int i = 0; i < kWidth * 3; ++i) texels[i] = uint8_t(i * 53 + 5);
  for (int mode = 0; mode < kTextureModeCount; ++mode) {
    uint8_t row[kWidth * 4];
    std::copy(colour, colour + kWidth * 4, row);
    CombineTextureRow(mode, row, texels, kWidth, 200, Rgb(10, 200, 90));
    for (int x = 0; x < kWidth; ++x) {
      uint8_t p[4] = {colour[x * 4], colour[x * 4 + 1], colour[x * 4 + 2], colour[x * 4 + 3]};
      CombineTexturePixel(mode, p, texels + x * 3, 200, Rgb(10, 200, 90));
      for (int c = 0; c < 4; ++c) ASSERT_EQ(row[x * 4 + c], p[c]) << "mode " << mode << " x " << x;
    }
  }
}

TEST(PixelMath, BlendsStayInRangeAndHitTheirEnds) {
  for (int s = 0; s < 256; ++s) {
    for (int d = 0; d < 256; ++d) {
      for (int v : {px::Screen(s, d), px::Overlay(s, d), px::HardLight(s, d), px::SoftLight(s, d),
                    px::Mul255(s, d), px::Mix255(s, d, 128)}) {
        ASSERT_GE(v, 0) << s << "," << d;
        ASSERT_LE(v, 255) << s << "," << d;
      }
      ASSERT_EQ(px::Mix255(s, d, 0), s);
      ASSERT_EQ(px::Mix255(s, d, 255), d);
    }
    EXPECT_EQ(px::Mul255(s, 255), s);
    EXPECT_EQ(px::Screen(s, 0), s);
    EXPECT_EQ(px::SoftLight(0, s), s * s / 255);  // a black source squares the colour
  }
  EXPECT_EQ(px::HardLight(128, 128), 129);  // 255 − 2·127·127/255 = 255 − 126
  EXPECT_EQ(px::AddSat(200, 100), 255);
  EXPECT_EQ(px::TruncClamp255(-3.5), 0);
  EXPECT_EQ(px::TruncClamp255(254.99), 254);
}

}  // namespace
}  // namespace tessel
