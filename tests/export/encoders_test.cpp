#include <gtest/gtest.h>

#include <cstring>

#include "base/dib_section.h"
#include "codecs/image_reader.h"
#include "export/raster_encoders.h"
#include "export_test_util.h"

namespace tessel {
namespace {

// Reads the bytes back and returns the largest channel difference from rgb (and alpha
// when given); -1 when the file does not read or has another size.
int MaxDifference(const std::vector<uint8_t>& file, const std::vector<uint8_t>& rgb, int w, int h,
                  const uint8_t* alpha = nullptr) {
  CDIBSection back;
  std::string error;
  if (!ReadImageMemory(file.data(), file.size(), back, &error) || back.Width() != w || back.Height() != h) return -1;
  int worst = 0;
  for (int y = 0; y < h; ++y) {
    const uint8_t* p = back.RowFromTop(y);
    for (int x = 0; x < w; ++x, p += 4) {
      const uint8_t* s = &rgb[(size_t(y) * size_t(w) + size_t(x)) * 3];
      worst = std::max({worst, std::abs(p[2] - s[0]), std::abs(p[1] - s[1]), std::abs(p[0] - s[2])});
      const int a = alpha ? alpha[size_t(y) * size_t(w) + size_t(x)] : 255;
      worst = std::max(worst, std::abs(p[3] - a));
    }
  }
  return worst;
}

TEST(Encoders, LosslessFormatsRoundTripExactly) {
  const int w = 13, h = 7;  // odd width: BMP rows are padded
  const auto rgb = test::SmoothPicture(w, h);
  std::string error;
  EXPECT_EQ(MaxDifference(EncodeBmp24(rgb.data(), w, h, &error), rgb, w, h), 0);
  EXPECT_EQ(MaxDifference(EncodePngRgb(rgb.data(), w, h, &error), rgb, w, h), 0);
  EXPECT_EQ(MaxDifference(EncodeTga24(rgb.data(), w, h, &error), rgb, w, h), 0);
  std::vector<uint8_t> alpha(size_t(w * h));
  for (size_t i = 0; i < alpha.size(); ++i) alpha[i] = uint8_t(i * 3);
  EXPECT_EQ(MaxDifference(EncodePngRgba(rgb.data(), alpha.data(), w, h, &error), rgb, w, h, alpha.data()), 0);
  EXPECT_TRUE(EncodeBmp24(rgb.data(), 0, h, &error).empty());
  EXPECT_FALSE(error.empty());
}

TEST(Encoders, PaletteFilesRoundTripAndLayOutTheirTables) {
  const int w = 9, h = 5;
  std::vector<uint8_t> rgb;
  for (int i = 0; i < w * h; ++i) rgb.insert(rgb.end(), {uint8_t(i % 4 * 80), uint8_t(i % 3 * 100), 7});  // 12 colours
  CPalette palette;
  std::vector<uint8_t> indices;
  ASSERT_TRUE(ReduceColours(rgb.data(), w, h, 256, DitherMode::kNone, palette, indices));
  ASSERT_LE(palette.Count(), 16);
  std::string error;
  for (int bits : {4, 8}) {
    CPalette table = palette;
    table.PadTo(bits == 4 ? 16 : 256);
    const auto bmp = EncodeBmpIndexed(indices.data(), w, h, table, bits, &error);
    EXPECT_EQ(MaxDifference(bmp, rgb, w, h), 0) << bits;
    EXPECT_EQ(bmp[28], bits);
    EXPECT_EQ(bmp[46], bits == 4 ? 16 : 0);  // colours used: 16, or 256 (0x100)
    EXPECT_EQ(std::memcmp(&bmp[54], table.entries.data(), table.entries.size()), 0);
  }
  CPalette full = palette;
  full.PadTo(256);
  EXPECT_EQ(MaxDifference(EncodePngIndexed(indices.data(), w, h, full, &error), rgb, w, h), 0);
  // 17 colours do not fit 4 bits.
  CPalette big = palette;
  big.PadTo(17);
  EXPECT_TRUE(EncodeBmpIndexed(indices.data(), w, h, big, 4, &error).empty());
}

TEST(Encoders, JpegOptions) {
  const int w = 48, h = 32;
  const auto rgb = test::SmoothPicture(w, h);
  std::string error;
  const auto best = EncodeJpeg(rgb.data(), w, h, {100, false, false, true}, &error);
  const int bestDiff = MaxDifference(best, rgb, w, h);
  EXPECT_GE(bestDiff, 0);
  EXPECT_LE(bestDiff, 8);
  const auto low = EncodeJpeg(rgb.data(), w, h, {10, false, false, false}, &error);
  EXPECT_LT(low.size(), best.size());
  // Progressive files carry an SOF2 marker.
  const auto progressive = EncodeJpeg(rgb.data(), w, h, {90, true, false, false}, &error);
  const uint8_t sof2[2] = {0xFF, 0xC2};
  EXPECT_NE(std::search(progressive.begin(), progressive.end(), sof2, sof2 + 2), progressive.end());
  EXPECT_GE(MaxDifference(progressive, rgb, w, h), 0);
  // Grayscale: one component, read back grey.
  const auto gray = EncodeJpeg(rgb.data(), w, h, {90, false, true, false}, &error);
  CDIBSection back;
  ASSERT_TRUE(ReadImageMemory(gray.data(), gray.size(), back, &error));
  const uint8_t* p = back.RowFromTop(10) + 4 * 20;
  EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]);
  // Sampling 1 x 1: the frame header lists factor 0x11 for each of the three components.
  const uint8_t sof0[2] = {0xFF, 0xC0};
  auto at = std::search(best.begin(), best.end(), sof0, sof0 + 2) - best.begin();
  ASSERT_LT(size_t(at), best.size());
  for (int c = 0; c < 3; ++c) EXPECT_EQ(best[size_t(at) + 11 + 3 * c], 0x11);
  const auto defaults = EncodeJpeg(rgb.data(), w, h, {100, false, false, false}, &error);
  at = std::search(defaults.begin(), defaults.end(), sof0, sof0 + 2) - defaults.begin();
  EXPECT_EQ(defaults[size_t(at) + 11], 0x22);
}

}  // namespace
}  // namespace tessel
