#include <gtest/gtest.h>

#include "codec_test_util.h"

namespace tessel::test {
namespace {

// A PSD with empty colour-mode, resource and layer sections around the merged image.
Bytes MakePsd(int channels, uint32_t width, uint32_t height, int mode, int compression, const Bytes& image,
              int version = 1) {
  Bytes b = {'8', 'B', 'P', 'S'};
  Put16BE(b, uint32_t(version));
  b.resize(b.size() + 6, 0);
  Put16BE(b, uint32_t(channels));
  Put32BE(b, height);
  Put32BE(b, width);
  Put16BE(b, 8);
  Put16BE(b, uint32_t(mode));
  Put32BE(b, 0);
  Put32BE(b, 4), Append(b, {'8', 'B', 'I', 'M'});  // a resource section with 4 bytes in it
  Put32BE(b, 0);
  Put16BE(b, uint32_t(compression));
  Append(b, image);
  return b;
}

TEST(PsdReader, RawAndRleMergedImage) {
  // RGB raw 2 x 2, planar: all red, then green, then blue.
  const Bytes raw = {255, 0, 0, 9,  0, 255, 0, 9,  0, 0, 255, 9};
  EXPECT_EQ(Pixels(Decode(MakePsd(3, 2, 2, 3, 0, raw))),
            (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF090909}));

  // RGBA RLE 3 x 1: byte counts, then per channel one PackBits row. Red: a run of three
  // 255; green: literal 255 128 0; blue: run of three 0; alpha: literal 255 128 0. The
  // half-transparent pixel loses Photoshop's white matte; the transparent one is black.
  Bytes rle;
  for (int n : {2, 4, 2, 4}) Put16BE(rle, uint32_t(n));
  Append(rle, {0xFE, 255,  2, 255, 128, 0,  0xFE, 0,  2, 255, 128, 0});
  EXPECT_EQ(Pixels(Decode(MakePsd(4, 3, 1, 3, 1, rle))), (std::vector<uint32_t>{0xFFFFFF00, 0x80FF0200, 0x00000000}));

  // Grey with alpha, raw, and a fifth channel that is skipped.
  EXPECT_EQ(Pixels(Decode(MakePsd(3, 2, 1, 1, 0, {10, 200, 255, 255, 7, 7}))),
            (std::vector<uint32_t>{0xFF0A0A0A, 0xFFC8C8C8}));
}

TEST(PsdReader, RefusesTruncatedAndHostileFiles) {
  Bytes rle;
  for (int n : {2, 4, 2, 4}) Put16BE(rle, uint32_t(n));
  Append(rle, {0xFE, 255, 2, 255, 128, 0, 0xFE, 0, 2, 255, 128, 0});
  EXPECT_EQ(FirstAcceptedPrefix(MakePsd(4, 3, 1, 3, 1, rle)), "");
  EXPECT_EQ(FirstAcceptedPrefix(MakePsd(3, 2, 2, 3, 0, Bytes(12, 1))), "");

  std::string why;
  Bytes overrun = {0, 2, 0, 2, 0, 2, 0xFD, 1, 0xFE, 1, 0xFE, 1};  // a run of four in a row of three
  EXPECT_TRUE(Decode(MakePsd(3, 3, 1, 3, 1, overrun), &why).IsEmpty());
  EXPECT_EQ(why, "Damaged PSD row 0 of channel 0");
  Bytes counts = {0xFF, 0xFF, 0, 2, 0, 2, 0xFE, 1};
  EXPECT_TRUE(Decode(MakePsd(3, 3, 1, 3, 1, counts), &why).IsEmpty());
  EXPECT_EQ(why, "Truncated PSD file");
  EXPECT_TRUE(Decode(MakePsd(3, 100000, 100000, 3, 1, counts), &why).IsEmpty());
  EXPECT_EQ(why, "PSD picture too large: 100000 x 100000");
  EXPECT_TRUE(Decode(MakePsd(3, 0, 5, 3, 0, {}), &why).IsEmpty());
  EXPECT_EQ(why, "Invalid PSD picture size 0 x 5");
  EXPECT_TRUE(Decode(MakePsd(4, 1, 1, 4, 0, {0, 0, 0, 0}), &why).IsEmpty());
  EXPECT_EQ(why, "Unsupported PSD file of mode 4 at 8 bits");
  EXPECT_TRUE(Decode(MakePsd(3, 1, 1, 3, 0, {0, 0, 0}, 2), &why).IsEmpty());
  EXPECT_EQ(why, "Unsupported PSD version 2");
  EXPECT_TRUE(Decode(MakePsd(3, 1, 1, 3, 2, {0, 0, 0}), &why).IsEmpty());
  EXPECT_EQ(why, "Unsupported PSD compression 2");
}

}  // namespace
}  // namespace tessel::test
