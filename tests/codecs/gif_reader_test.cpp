#include <gif_lib.h>

#include <gtest/gtest.h>

#include "codec_test_util.h"

namespace tessel::test {
namespace {

int Collect(GifFileType* gif, const GifByteType* data, int n) {
  auto* out = static_cast<Bytes*>(gif->UserData);
  out->insert(out->end(), data, data + n);
  return n;
}

struct CGifFrame {
  int left = 0, top = 0, width = 0, height = 0;
  bool interlace = false;
  int transparent = -1;
  std::vector<Bytes> rows;  // in the order they are stored
};

// Encodes a GIF89a with a four-colour global table (red, green, blue, white) and frames.
Bytes EncodeGif(int screenW, int screenH, const std::vector<CGifFrame>& frames) {
  Bytes out;
  int err = 0;
  GifFileType* gif = EGifOpen(&out, Collect, &err);
  const GifColorType colors[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  ColorMapObject* map = GifMakeMapObject(4, colors);
  EGifSetGifVersion(gif, true);
  EGifPutScreenDesc(gif, screenW, screenH, 8, 0, map);
  for (const CGifFrame& f : frames) {
    if (f.transparent >= 0) {
      const GifByteType gce[4] = {1, 0, 0, GifByteType(f.transparent)};
      EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, gce);
    }
    EGifPutImageDesc(gif, f.left, f.top, f.width, f.height, f.interlace, nullptr);
    for (const Bytes& row : f.rows) EGifPutLine(gif, const_cast<GifPixelType*>(row.data()), f.width);
  }
  EGifCloseFile(gif, &err);
  GifFreeMapObject(map);
  return out;
}

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

TEST(GifReader, FirstFrameOnTheScreenWithTransparency) {
  CGifFrame first{1, 1, 2, 2, false, 2, {{0, 2}, {3, 1}}};
  CGifFrame second{0, 0, 4, 3, false, -1, {{3, 3, 3, 3}, {3, 3, 3, 3}, {3, 3, 3, 3}}};
  const CDIBSection pic = Decode(EncodeGif(4, 3, {first, second}));
  EXPECT_EQ(Pixels(pic), (std::vector<uint32_t>{0, 0, 0, 0,  0, kRed, 0, 0,  0, kWhite, kGreen, 0}));
}

TEST(GifReader, InterlacedRowsComeOutInPlace) {
  // Rows stored in the order of the four passes: 0 8 | 4 | 2 6 | 1 3 5 7.
  CGifFrame f{0, 0, 1, 9, true, -1, {}};
  for (int y : {0, 8, 4, 2, 6, 1, 3, 5, 7}) f.rows.push_back({GifPixelType(y % 4)});
  const std::vector<uint32_t> pixels = Pixels(Decode(EncodeGif(1, 9, {f})));
  EXPECT_EQ(pixels, (std::vector<uint32_t>{kRed, kGreen, kBlue, kWhite, kRed, kGreen, kBlue, kWhite, kRed}));
}

TEST(GifReader, RefusesTruncatedAndHostileFiles) {
  CGifFrame f{0, 0, 3, 2, false, -1, {{0, 1, 2}, {3, 2, 1}}};
  const Bytes good = EncodeGif(3, 2, {f});
  ASSERT_FALSE(Decode(good).IsEmpty());
  EXPECT_EQ(FirstAcceptedPrefix(good), "");

  std::string why;
  EXPECT_TRUE(Decode(EncodeGif(65535, 65535, {f}), &why).IsEmpty());
  EXPECT_EQ(why, "GIF picture too large: 65535 x 65535");
  // A frame far outside the screen grows the screen beyond what is allowed.
  CGifFrame far{65000, 65000, 3, 2, false, -1, f.rows};
  EXPECT_TRUE(Decode(EncodeGif(3, 2, {far}), &why).IsEmpty());
  EXPECT_EQ(why, "GIF picture too large: 65003 x 65002");
  EXPECT_TRUE(Decode(EncodeGif(3, 2, {}), &why).IsEmpty());
  EXPECT_EQ(why, "GIF file without a picture");
}

}  // namespace
}  // namespace tessel::test
