#include "codecs/thumbnail.h"

#include <gtest/gtest.h>

#include "codec_test_util.h"
#include "test_util.h"

namespace tessel::test {
namespace {

TEST(Thumbnail, WritesFiftyByFiftyBmpReadBackThroughTheLoader) {
  // 100 x 100: left half red, right half half-transparent blue (laid over white).
  CDIBSection pic;
  ASSERT_TRUE(pic.Create(100, 100, 32));
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) {
      uint8_t* p = pic.RowFromTop(y) + 4 * x;
      if (x < 50) p[0] = 0, p[1] = 0, p[2] = 255, p[3] = 255;
      else p[0] = 255, p[1] = 0, p[2] = 0, p[3] = 128;
    }
  TempDir dir;
  std::string error;
  ASSERT_TRUE(WriteThumbnail(dir.File("Style1.tmb"), pic, &error)) << error;
  const std::string bytes = ReadText(dir.File("Style1.tmb"));
  EXPECT_EQ(bytes.size(), 14u + 40u + 152u * 50u);  // 150 bytes a row, padded to 152
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(uint8_t(bytes[28]), 24);  // bits per pixel

  CDIBSection back;
  ASSERT_TRUE(ReadImageFile24(dir.File("Style1.tmb"), back, &error)) << error;
  ASSERT_EQ(back.Width(), 50);
  ASSERT_EQ(back.Height(), 50);
  EXPECT_EQ(back.BitsPerPixel(), 24);
  const uint8_t* top = back.RowFromTop(0);
  EXPECT_EQ(top[0] | top[1] << 8 | top[2] << 16, 0xFF0000);            // red
  EXPECT_EQ(top[147] | top[148] << 8 | top[149] << 16, 0x7F7FFF);      // blue at 128 over white
  EXPECT_EQ(back.RowFromBottom(0)[2], 255);

  // Enlarging repeats pixels; an 8-bit picture is grey.
  CDIBSection grey;
  ASSERT_TRUE(grey.Create(2, 1, 8));
  grey.RowFromTop(0)[0] = 10, grey.RowFromTop(0)[1] = 200;
  CDIBSection big = ScaleToBgr(grey, 50, 50);
  EXPECT_EQ(big.RowFromTop(49)[0], 10);
  EXPECT_EQ(big.RowFromTop(49)[3 * 49], 200);

  EXPECT_FALSE(WriteThumbnail(dir.File("empty.tmb"), CDIBSection(), &error));
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Style1.tmb"});
}

TEST(ImageReader, TellsFormatsApartAndReportsFailures) {
  TempDir dir;
  std::string error;
  CDIBSection out;
  EXPECT_FALSE(ReadImageFile(dir.File("missing.png"), out, &error));
  EXPECT_EQ(error, "Cannot open " + dir.File("missing.png"));
  EXPECT_FALSE(ReadImageFile(dir.Path(), out, &error));
  EXPECT_EQ(error, "Cannot read " + dir.Path());
  WriteText(dir.File("empty.bmp"), "");
  EXPECT_FALSE(ReadImageFile(dir.File("empty.bmp"), out, &error));
  EXPECT_EQ(error, "Empty image file");
  WriteText(dir.File("text.jpg"), "hello, this is not a picture at all");
  EXPECT_FALSE(ReadImageFile(dir.File("text.jpg"), out, &error));
  EXPECT_EQ(error, "Unknown image file format");

  // The extension does not matter: a BMP called .png is read as BMP.
  CDIBSection pic;
  ASSERT_TRUE(pic.Create(3, 2, 24));
  pic.RowFromTop(0)[0] = 77;
  const std::vector<uint8_t> bmp = EncodeBmp24(pic);
  WriteText(dir.File("really.png"), std::string(bmp.begin(), bmp.end()));
  ASSERT_TRUE(ReadImageFile(dir.File("really.png"), out, &error)) << error;
  EXPECT_EQ(PixelAt(out, 0, 0), 0xFF00004Du);
  EXPECT_EQ(PixelAt(out, 2, 1), 0xFF000000u);
  CDIBSection out24;
  ASSERT_TRUE(ReadImageFile24(dir.File("really.png"), out24, &error)) << error;
  EXPECT_TRUE(out24 == pic);
}

}  // namespace
}  // namespace tessel::test
