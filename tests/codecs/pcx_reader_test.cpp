#include <gtest/gtest.h>

#include "codec_test_util.h"

namespace tessel::test {
namespace {

Bytes MakePcx(int width, int height, int planes, int bytesPerLine, const Bytes& data, const Bytes& palette,
              int encoding = 1) {
  Bytes b = {0x0A, 5, uint8_t(encoding), 8};
  Put16(b, 0), Put16(b, 0), Put16(b, uint32_t(width - 1)), Put16(b, uint32_t(height - 1));
  b.resize(65, 0);
  Put8(b, uint32_t(planes));
  Put16(b, uint32_t(bytesPerLine));
  b.resize(128, 0);
  Append(b, data);
  Append(b, palette);
  return b;
}

// The 256-colour palette block: 0x0C, then index 1 = (10, 20, 30), index 2 = (200, 100, 0),
// index 0xC5 = (1, 2, 3), every other entry black.
Bytes Palette256() {
  Bytes p(769, 0);
  p[0] = 0x0C;
  auto set = [&](int i, uint8_t r, uint8_t g, uint8_t b) { p[1 + 3 * i] = r, p[2 + 3 * i] = g, p[3 + 3 * i] = b; };
  set(1, 10, 20, 30), set(2, 200, 100, 0), set(0xC5, 1, 2, 3);
  return p;
}

TEST(PcxReader, EightBitPaletteAndTwentyFourBitPlanes) {
  // 3 x 2, rows of 4 bytes: a run of three 1s and a pad byte; then 2, 0xC5 (as a run of
  // one, being above 0xBF) and a run of two 1s.
  const Bytes data = {0xC3, 1, 0, 2, 0xC1, 0xC5, 0xC2, 1};
  EXPECT_EQ(Pixels(Decode(MakePcx(3, 2, 1, 4, data, Palette256()))),
            (std::vector<uint32_t>{0xFF0A141E, 0xFF0A141E, 0xFF0A141E, 0xFFC86400, 0xFF010203, 0xFF0A141E}));

  // 2 x 2 in three planes per row; the final run of eight zeros crosses into row 1.
  const Bytes planes = {0xC1, 255, 0, 0, 0xC1, 255, 0xC8, 0};
  EXPECT_EQ(Pixels(Decode(MakePcx(2, 2, 3, 2, planes, {}))),
            (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF000000, 0xFF000000}));
  // The same picture stored raw.
  EXPECT_EQ(Pixels(Decode(MakePcx(2, 2, 3, 2, {255, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0, 0}, {}, 0))),
            (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF000000, 0xFF000000}));
}

TEST(PcxReader, RefusesTruncatedAndHostileFiles) {
  EXPECT_EQ(FirstAcceptedPrefix(MakePcx(3, 2, 1, 4, {0xC3, 1, 0, 2, 0xC1, 0xC5, 0xC2, 1}, Palette256())), "");
  EXPECT_EQ(FirstAcceptedPrefix(MakePcx(2, 2, 3, 2, {0xC1, 255, 0, 0, 0xC1, 255, 0xC8, 0}, {})), "");

  std::string why;
  EXPECT_TRUE(Decode(MakePcx(2, 1, 1, 2, {0xC5, 1}, Palette256()), &why).IsEmpty());
  EXPECT_EQ(why, "PCX run past the end of the picture");
  EXPECT_TRUE(Decode(MakePcx(65536, 65536, 1, 65535, {0xC5, 1}, Palette256()), &why).IsEmpty());
  EXPECT_EQ(why, "PCX rows shorter than the picture");
  EXPECT_TRUE(Decode(MakePcx(65535, 65535, 3, 65535, {0xC5, 1}, {}), &why).IsEmpty());
  EXPECT_EQ(why, "PCX picture too large: 65535 x 65535");
  Bytes backwards = MakePcx(2, 1, 1, 2, {1, 1}, Palette256());
  backwards[4] = 5;  // xMin 5 beyond xMax 1
  EXPECT_TRUE(Decode(backwards, &why).IsEmpty());
  EXPECT_EQ(why, "Invalid PCX picture size -3 x 1");
  EXPECT_TRUE(Decode(MakePcx(2, 2, 1, 2, {1, 1, 1, 1}, {}), &why).IsEmpty());
  EXPECT_EQ(why, "Truncated PCX file: the palette is missing");
  EXPECT_TRUE(Decode(MakePcx(2, 2, 4, 2, {1, 1, 1, 1}, {}), &why).IsEmpty());
  EXPECT_EQ(why, "Unsupported PCX file of 4 planes of 8 bits");
}

}  // namespace
}  // namespace tessel::test
