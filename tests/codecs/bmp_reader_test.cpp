#include <gtest/gtest.h>

#include "codec_test_util.h"

namespace tessel::test {
namespace {

// A BMP with a 40-byte info header (or a V5 header of 124 bytes) around the given
// palette (B, G, R, 0 per entry) and pixel bytes.
Bytes MakeBmp(int32_t width, int32_t height, int bpp, uint32_t compression, const Bytes& palette,
              const Bytes& pixels, uint32_t colorsUsed = 0, uint32_t headerSize = 40, const Bytes& masks = {}) {
  Bytes info;
  Put32(info, headerSize);
  Put32(info, uint32_t(width));
  Put32(info, uint32_t(height));
  Put16(info, 1);
  Put16(info, bpp);
  Put32(info, compression);
  Put32(info, uint32_t(pixels.size()));
  Put32(info, 2835);
  Put32(info, 2835);
  Put32(info, colorsUsed);
  Put32(info, 0);
  Append(info, masks);
  info.resize(headerSize + (headerSize == 40 ? masks.size() : 0), 0);
  Bytes file = {'B', 'M'};
  const uint32_t offBits = uint32_t(14 + info.size() + palette.size());
  Put32(file, uint32_t(offBits + pixels.size()));
  Put32(file, 0);
  Put32(file, offBits);
  Append(file, info);
  Append(file, palette);
  Append(file, pixels);
  return file;
}

const Bytes kPalette = {0, 0, 255, 0,  0, 255, 0, 0,  255, 0, 0, 0,  255, 255, 255, 0};  // red green blue white
constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

TEST(BmpReader, TwentyFourBitsBothOrientationsWithRowPadding) {
  // 2 x 2: each 6-byte row is padded to 8. File rows: bottom first when height > 0.
  const Bytes rows = {0, 0, 255, 0, 255, 0, 0, 0,  255, 0, 0, 255, 255, 255, 0, 0};
  CDIBSection up = Decode(MakeBmp(2, 2, 24, 0, {}, rows));
  ASSERT_FALSE(up.IsEmpty());
  EXPECT_EQ(Pixels(up), (std::vector<uint32_t>{kBlue, kWhite, kRed, kGreen}));
  CDIBSection down = Decode(MakeBmp(2, -2, 24, 0, {}, rows));
  ASSERT_FALSE(down.IsEmpty());
  EXPECT_EQ(Pixels(down), (std::vector<uint32_t>{kRed, kGreen, kBlue, kWhite}));
}

TEST(BmpReader, PalettedOneFourAndEightBits) {
  // 3 x 1 pixels: indices 3, 0, 1 (white red green).
  CDIBSection one = Decode(MakeBmp(3, 1, 1, 0, Bytes(kPalette.begin() + 8, kPalette.end()), {0xA0, 0, 0, 0}));
  ASSERT_FALSE(one.IsEmpty());  // palette blue white: bits 1 0 1
  EXPECT_EQ(Pixels(one), (std::vector<uint32_t>{kWhite, kBlue, kWhite}));
  CDIBSection four = Decode(MakeBmp(3, 1, 4, 0, kPalette, {0x30, 0x10, 0, 0}, 4));
  ASSERT_FALSE(four.IsEmpty());
  EXPECT_EQ(Pixels(four), (std::vector<uint32_t>{kWhite, kRed, kGreen}));
  CDIBSection eight = Decode(MakeBmp(3, 1, 8, 0, kPalette, {3, 0, 1, 0}, 4));
  ASSERT_FALSE(eight.IsEmpty());
  EXPECT_EQ(Pixels(eight), (std::vector<uint32_t>{kWhite, kRed, kGreen}));
  // OS/2 core header: 16-bit sizes and 3-byte palette entries.
  Bytes core = {'B', 'M', 36, 0, 0, 0, 0, 0, 0, 0, 32, 0, 0, 0, 12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 8, 0};
  Append(core, {0, 0, 255, 255, 0, 0,  1, 0, 0, 0});
  EXPECT_EQ(Pixels(Decode(core)), (std::vector<uint32_t>{kBlue, kRed}));
  // An index past the palette reads as opaque black.
  EXPECT_EQ(PixelAt(Decode(MakeBmp(1, 1, 8, 0, kPalette, {9, 0, 0, 0}, 4)), 0, 0), 0xFF000000u);
}

TEST(BmpReader, RunLengthEightAndFourBits) {
  // 4 x 3 RLE8, bottom row first: three runs and end of line; then a delta that skips
  // the middle row and two pixels; a run; end of picture.
  const Bytes rle8 = {2, 0, 1, 1, 1, 3, 0, 0,  0, 2, 2, 1,  2, 2,  0, 1};
  CDIBSection p8 = Decode(MakeBmp(4, 3, 8, 1, kPalette, rle8, 4));
  ASSERT_FALSE(p8.IsEmpty());
  EXPECT_EQ(Pixels(p8), (std::vector<uint32_t>{0, 0, kBlue, kBlue, 0, 0, 0, 0, kRed, kRed, kGreen, kWhite}));
  // RLE4 5 x 1: a run of 2 alternating 3, 1; a literal of 1, 2, 3 padded to 16 bits.
  const Bytes rle4 = {2, 0x31, 0, 3, 0x12, 0x30, 0, 0, 0, 1};
  CDIBSection p4 = Decode(MakeBmp(5, 1, 4, 2, kPalette, rle4, 4));
  ASSERT_FALSE(p4.IsEmpty());
  EXPECT_EQ(Pixels(p4), (std::vector<uint32_t>{kWhite, kGreen, kGreen, kBlue, kWhite}));
}

TEST(BmpReader, SixteenAndThirtyTwoBitsWithMasks) {
  // 16-bit 5-5-5: pure red and pure blue.
  CDIBSection p555 = Decode(MakeBmp(2, 1, 16, 0, {}, {0x00, 0x7C, 0x1F, 0x00}));
  EXPECT_EQ(Pixels(p555), (std::vector<uint32_t>{kRed, kBlue}));
  // 16-bit 5-6-5 through bit fields after a 40-byte header.
  Bytes masks565;
  Put32(masks565, 0xF800), Put32(masks565, 0x07E0), Put32(masks565, 0x001F);
  CDIBSection p565 = Decode(MakeBmp(2, 1, 16, 3, {}, {0xE0, 0x07, 0x10, 0x84}, 0, 40, masks565));
  EXPECT_EQ(Pixels(p565), (std::vector<uint32_t>{kGreen, 0xFF838183}));
  // 32-bit with alpha kept; all-zero alpha is taken as opaque.
  EXPECT_EQ(Pixels(Decode(MakeBmp(2, 1, 32, 0, {}, {1, 2, 3, 128, 4, 5, 6, 0}))),
            (std::vector<uint32_t>{0x80030201, 0x00060504}));
  EXPECT_EQ(Pixels(Decode(MakeBmp(2, 1, 32, 0, {}, {1, 2, 3, 0, 4, 5, 6, 0}))),
            (std::vector<uint32_t>{0xFF030201, 0xFF060504}));
  // V5 header with bit fields in R-G-B-A byte order.
  Bytes rgba;
  Put32(rgba, 0x000000FF), Put32(rgba, 0x0000FF00), Put32(rgba, 0x00FF0000), Put32(rgba, 0xFF000000);
  CDIBSection v5 = Decode(MakeBmp(1, -1, 32, 3, {}, {10, 20, 30, 40}, 0, 124, rgba));
  EXPECT_EQ(Pixels(v5), (std::vector<uint32_t>{0x280A141E}));
}

TEST(BmpReader, RefusesTruncatedAndHostileFiles) {
  const Bytes good = MakeBmp(3, 2, 8, 1, kPalette, {3, 1, 0, 0, 0, 3, 2, 0, 3, 0, 0, 1}, 4);
  ASSERT_FALSE(Decode(good).IsEmpty());
  EXPECT_EQ(FirstAcceptedPrefix(good), "");
  EXPECT_EQ(FirstAcceptedPrefix(MakeBmp(2, 2, 24, 0, {}, Bytes(16, 7))), "");

  std::string why;
  EXPECT_TRUE(Decode(MakeBmp(100000, 100000, 24, 0, {}, Bytes(64, 0)), &why).IsEmpty());
  EXPECT_EQ(why, "BMP picture too large");
  EXPECT_TRUE(Decode(MakeBmp(100000, 100000, 8, 1, kPalette, {0, 1}, 4), &why).IsEmpty());
  EXPECT_NE(why.find("too large"), std::string::npos) << why;
  EXPECT_TRUE(Decode(MakeBmp(-4, 2, 24, 0, {}, Bytes(64, 0)), &why).IsEmpty());
  EXPECT_EQ(why, "Invalid BMP picture size -4 x 2");
  EXPECT_TRUE(Decode(MakeBmp(1, 1, 8, 0, kPalette, {0, 0, 0, 0}, 100000), &why).IsEmpty());
  EXPECT_EQ(why, "BMP palette of 100000 colours");
  EXPECT_TRUE(Decode(MakeBmp(1, 1, 8, 0, kPalette, {}, 200), &why).IsEmpty());
  EXPECT_EQ(why, "Truncated BMP palette");
  EXPECT_TRUE(Decode(MakeBmp(3, 1, 8, 1, kPalette, {4, 1, 0, 1}, 4), &why).IsEmpty());
  EXPECT_EQ(why, "BMP run past the end of the row");
  EXPECT_TRUE(Decode(MakeBmp(3, 1, 8, 1, kPalette, {0, 5, 1, 2, 3, 4, 5, 0, 0, 1}, 4), &why).IsEmpty());
  EXPECT_EQ(why, "BMP run past the end of the row");
  EXPECT_TRUE(Decode(MakeBmp(2, 2, 8, 1, kPalette, {0, 2, 1, 9, 0, 1}, 4), &why).IsEmpty());
  EXPECT_EQ(why, "BMP run past the end of the picture");
  EXPECT_TRUE(Decode(MakeBmp(1, 1, 24, 5, {}, Bytes(4, 0)), &why).IsEmpty());
  EXPECT_EQ(why, "Unsupported BMP compression 5");
  EXPECT_TRUE(Decode(MakeBmp(1, 1, 24, 0, {}, Bytes(4, 0), 0, 77), &why).IsEmpty());
  EXPECT_EQ(why, "Unsupported BMP header size 77");
}

}  // namespace
}  // namespace tessel::test
