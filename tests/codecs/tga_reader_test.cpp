#include <gtest/gtest.h>

#include "codec_test_util.h"

namespace tessel::test {
namespace {

struct CTgaSpec {
  int type = 2, depth = 24, width = 2, height = 2, descriptor = 0;
  Bytes id;
  Bytes map;  // colour map entries
  int mapFirst = 0, mapLength = 0, mapBits = 24;
  Bytes pixels;
};

Bytes MakeTga(const CTgaSpec& s) {
  Bytes b;
  Put8(b, uint32_t(s.id.size()));
  Put8(b, s.mapLength ? 1 : 0);
  Put8(b, uint32_t(s.type));
  Put16(b, uint32_t(s.mapFirst));
  Put16(b, uint32_t(s.mapLength));
  Put8(b, uint32_t(s.mapBits));
  Put32(b, 0);
  Put16(b, uint32_t(s.width));
  Put16(b, uint32_t(s.height));
  Put8(b, uint32_t(s.depth));
  Put8(b, uint32_t(s.descriptor));
  Append(b, s.id);
  Append(b, s.map);
  Append(b, s.pixels);
  return b;
}

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

TEST(TgaReader, UncompressedDepthsAndOrigins) {
  CTgaSpec rgb;  // bottom row first
  rgb.id = {'h', 'i'};
  rgb.pixels = {0, 0, 255, 0, 255, 0,  255, 0, 0, 255, 255, 255};
  EXPECT_EQ(Pixels(Decode(MakeTga(rgb))), (std::vector<uint32_t>{kBlue, kWhite, kRed, kGreen}));
  rgb.descriptor = 0x20;  // top row first
  EXPECT_EQ(Pixels(Decode(MakeTga(rgb))), (std::vector<uint32_t>{kRed, kGreen, kBlue, kWhite}));
  rgb.descriptor = 0x30;  // top row first, right to left
  EXPECT_EQ(Pixels(Decode(MakeTga(rgb))), (std::vector<uint32_t>{kGreen, kRed, kWhite, kBlue}));

  CTgaSpec rgba;
  rgba.depth = 32, rgba.width = 2, rgba.height = 1, rgba.descriptor = 8;
  rgba.pixels = {1, 2, 3, 128, 4, 5, 6, 0};
  EXPECT_EQ(Pixels(Decode(MakeTga(rgba))), (std::vector<uint32_t>{0x80030201, 0x00060504}));

  CTgaSpec rgb16;
  rgb16.depth = 16, rgb16.width = 2, rgb16.height = 1;
  rgb16.pixels = {0x00, 0x7C, 0xE0, 0x03};
  EXPECT_EQ(Pixels(Decode(MakeTga(rgb16))), (std::vector<uint32_t>{kRed, kGreen}));

  CTgaSpec grey;
  grey.type = 3, grey.depth = 8, grey.width = 3, grey.height = 1;
  grey.pixels = {0, 100, 255};
  EXPECT_EQ(Pixels(Decode(MakeTga(grey))), (std::vector<uint32_t>{0xFF000000, 0xFF646464, 0xFFFFFFFF}));

  CTgaSpec mapped;  // map entries 5..7 (first entry 5), indices below 5 are black
  mapped.type = 1, mapped.depth = 8, mapped.width = 4, mapped.height = 1;
  mapped.mapFirst = 5, mapped.mapLength = 3;
  mapped.map = {0, 0, 255, 0, 255, 0, 255, 0, 0};
  mapped.pixels = {5, 6, 7, 2};
  EXPECT_EQ(Pixels(Decode(MakeTga(mapped))), (std::vector<uint32_t>{kRed, kGreen, kBlue, 0xFF000000}));
}

TEST(TgaReader, RunLengthPacketsAcrossRows) {
  // 3 x 2 true colour: a run of four reds crosses from the bottom row into the top row,
  // then a raw packet of green and blue.
  CTgaSpec rle;
  rle.type = 10, rle.width = 3, rle.height = 2;
  rle.pixels = {0x83, 0, 0, 255,  0x01, 0, 255, 0, 255, 0, 0};
  EXPECT_EQ(Pixels(Decode(MakeTga(rle))), (std::vector<uint32_t>{kRed, kGreen, kBlue, kRed, kRed, kRed}));

  CTgaSpec mapped;
  mapped.type = 9, mapped.depth = 8, mapped.width = 3, mapped.height = 1, mapped.descriptor = 0x20;
  mapped.mapLength = 2, mapped.map = {255, 255, 255, 0, 0, 255};
  mapped.pixels = {0x81, 1, 0x00, 0};
  EXPECT_EQ(Pixels(Decode(MakeTga(mapped))), (std::vector<uint32_t>{kRed, kRed, kWhite}));

  CTgaSpec grey;
  grey.type = 11, grey.depth = 8, grey.width = 2, grey.height = 1;
  grey.pixels = {0x81, 0x33};
  EXPECT_EQ(Pixels(Decode(MakeTga(grey))), (std::vector<uint32_t>{0xFF333333, 0xFF333333}));
}

TEST(TgaReader, RefusesTruncatedAndHostileFiles) {
  CTgaSpec rle;
  rle.type = 10, rle.width = 3, rle.height = 2;
  rle.pixels = {0x83, 0, 0, 255, 0x01, 0, 255, 0, 255, 0, 0};
  EXPECT_EQ(FirstAcceptedPrefix(MakeTga(rle)), "");
  CTgaSpec raw;
  raw.pixels = Bytes(12, 9);
  EXPECT_EQ(FirstAcceptedPrefix(MakeTga(raw)), "");

  std::string why;
  rle.pixels = {0x83, 0, 0, 255, 0x82, 0, 255, 0};
  EXPECT_TRUE(Decode(MakeTga(rle), &why).IsEmpty());
  EXPECT_EQ(why, "TGA run past the end of the picture");
  rle.width = rle.height = 65535;
  EXPECT_TRUE(Decode(MakeTga(rle), &why).IsEmpty());
  EXPECT_EQ(why, "TGA picture too large: 65535 x 65535");
  raw.width = raw.height = 65535;
  EXPECT_TRUE(Decode(MakeTga(raw), &why).IsEmpty());
  EXPECT_EQ(why, "Truncated TGA file");

  CTgaSpec mapped;
  mapped.type = 1, mapped.depth = 8, mapped.width = 1, mapped.height = 1;
  mapped.mapLength = 60000, mapped.map = {1, 2, 3}, mapped.pixels = {0};
  EXPECT_TRUE(Decode(MakeTga(mapped), &why).IsEmpty());
  EXPECT_EQ(why, "Truncated TGA colour map");
}

}  // namespace
}  // namespace tessel::test
