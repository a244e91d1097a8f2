#include <tiffio.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "codec_test_util.h"
#include "test_util.h"

namespace tessel::test {
namespace {

struct CTiffSpec {
  int width = 3, height = 2, samples = 3, bits = 8;
  uint16_t photometric = PHOTOMETRIC_RGB;
  uint16_t compression = COMPRESSION_NONE;
  bool alpha = false;  // last sample is unassociated alpha
  Bytes pixels;        // packed rows, top first
};

// Writes the picture with libtiff and returns the file's bytes.
Bytes EncodeTiff(const TempDir& dir, const CTiffSpec& spec) {
  const std::string path = dir.File("t.tif");
  TIFF* tif = TIFFOpen(path.c_str(), "w");
  TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, spec.width);
  TIFFSetField(tif, TIFFTAG_IMAGELENGTH, spec.height);
  TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, spec.samples);
  TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, spec.bits);
  TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, spec.photometric);
  TIFFSetField(tif, TIFFTAG_COMPRESSION, spec.compression);
  TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, 1);
  if (spec.alpha) {
    const uint16_t extra = EXTRASAMPLE_UNASSALPHA;
    TIFFSetField(tif, TIFFTAG_EXTRASAMPLES, 1, &extra);
  }
  const size_t rowBytes = (size_t(spec.width) * spec.samples * spec.bits + 7) / 8;
  for (int y = 0; y < spec.height; ++y)
    TIFFWriteScanline(tif, const_cast<uint8_t*>(spec.pixels.data() + y * rowBytes), uint32_t(y), 0);
  TIFFClose(tif);
  const std::string text = ReadText(path);
  return Bytes(text.begin(), text.end());
}

TEST(TiffReader, RgbGreyBilevelAndAlpha) {
  TempDir dir;
  CTiffSpec rgb;
  rgb.pixels = {255, 0, 0, 0, 255, 0, 0, 0, 255,  10, 20, 30, 40, 50, 60, 70, 80, 90};
  EXPECT_EQ(Pixels(Decode(EncodeTiff(dir, rgb))),
            (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF0A141E, 0xFF28323C, 0xFF46505A}));
  rgb.compression = COMPRESSION_LZW;
  const Bytes lzw = EncodeTiff(dir, rgb);
  CDIBSection fromFile;
  std::string error;
  test::WriteText(dir.File("lzw.tiff"), std::string(lzw.begin(), lzw.end()));
  ASSERT_TRUE(ReadImageFile(dir.File("lzw.tiff"), fromFile, &error)) << error;
  EXPECT_EQ(PixelAt(fromFile, 2, 1), 0xFF46505Au);

  CTiffSpec grey;
  grey.samples = 1, grey.photometric = PHOTOMETRIC_MINISBLACK, grey.compression = COMPRESSION_PACKBITS;
  grey.pixels = {0, 128, 255, 1, 2, 3};
  EXPECT_EQ(Pixels(Decode(EncodeTiff(dir, grey))),
            (std::vector<uint32_t>{0xFF000000, 0xFF808080, 0xFFFFFFFF, 0xFF010101, 0xFF020202, 0xFF030303}));

  CTiffSpec bilevel;
  bilevel.samples = 1, bilevel.bits = 1, bilevel.photometric = PHOTOMETRIC_MINISWHITE;
  bilevel.pixels = {0xA0, 0x40};
  EXPECT_EQ(Pixels(Decode(EncodeTiff(dir, bilevel))),
            (std::vector<uint32_t>{0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}));

  // Unassociated alpha comes back as plain colour (libtiff premultiplies; we undo it).
  CTiffSpec rgba;
  rgba.samples = 4, rgba.alpha = true, rgba.width = 2, rgba.height = 1;
  rgba.pixels = {200, 100, 50, 128, 9, 9, 9, 0};
  const std::vector<uint32_t> got = Pixels(Decode(EncodeTiff(dir, rgba)));
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0] >> 24, 128u);
  EXPECT_NEAR(int(got[0] >> 16 & 255), 200, 2);
  EXPECT_NEAR(int(got[0] >> 8 & 255), 100, 2);
  EXPECT_NEAR(int(got[0] & 255), 50, 2);
  EXPECT_EQ(got[1], 0u);
}

TEST(TiffReader, RefusesTruncatedAndHostileFiles) {
  TempDir dir;
  CTiffSpec spec;
  spec.pixels = Bytes(18, 77);
  const Bytes good = EncodeTiff(dir, spec);
  ASSERT_FALSE(Decode(good).IsEmpty());
  EXPECT_EQ(FirstAcceptedPrefix(good), "");

  CTiffSpec wide;
  wide.width = 70000, wide.height = 1, wide.samples = 1, wide.photometric = PHOTOMETRIC_MINISBLACK;
  wide.compression = COMPRESSION_LZW;
  wide.pixels = Bytes(70000, 0);
  std::string why;
  EXPECT_TRUE(Decode(EncodeTiff(dir, wide), &why).IsEmpty());
  EXPECT_EQ(why, "TIFF picture too large: 70000 x 1");
}

}  // namespace
}  // namespace tessel::test
