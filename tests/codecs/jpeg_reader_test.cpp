#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "codec_test_util.h"

namespace tessel::test {
namespace {

// Encodes width x height samples of `components` per pixel with libjpeg into memory.
Bytes EncodeJpeg(int width, int height, J_COLOR_SPACE in, J_COLOR_SPACE stored, int components, const Bytes& samples,
                 bool progressive = false) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long length = 0;
  jpeg_mem_dest(&cinfo, &buffer, &length);
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  cinfo.input_components = components;
  cinfo.in_color_space = in;
  jpeg_set_defaults(&cinfo);
  jpeg_set_colorspace(&cinfo, stored);
  jpeg_set_quality(&cinfo, 95, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(samples.data() + size_t(cinfo.next_scanline) * width * components);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  Bytes out(buffer, buffer + length);
  std::free(buffer);
  return out;
}

// Largest difference of any channel between a pixel and the expected 0xAARRGGBB.
int Distance(uint32_t a, uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 32; shift += 8) worst = std::max(worst, std::abs(int(a >> shift & 255) - int(b >> shift & 255)));
  return worst;
}

TEST(JpegReader, ColourAndGreyWithinTolerance) {
  // A smooth 24 x 16 gradient, baseline and progressive.
  Bytes rgb;
  std::vector<uint32_t> expected;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x) {
      const uint8_t r = uint8_t(x * 10), g = uint8_t(y * 15), b = 128;
      rgb.insert(rgb.end(), {r, g, b});
      expected.push_back(0xFF000000u | uint32_t(r) << 16 | uint32_t(g) << 8 | b);
    }
  for (bool progressive : {false, true}) {
    CDIBSection pic = Decode(EncodeJpeg(24, 16, JCS_RGB, JCS_YCbCr, 3, rgb, progressive));
    ASSERT_EQ(pic.Width(), 24);
    ASSERT_EQ(pic.Height(), 16);
    const std::vector<uint32_t> got = Pixels(pic);
    for (size_t i = 0; i < got.size(); ++i) ASSERT_LE(Distance(got[i], expected[i]), 10) << "pixel " << i;
  }
  Bytes grey(8 * 8);
  for (int i = 0; i < 64; ++i) grey[size_t(i)] = uint8_t(i < 32 ? 40 : 200);
  const std::vector<uint32_t> got = Pixels(Decode(EncodeJpeg(8, 8, JCS_GRAYSCALE, JCS_GRAYSCALE, 1, grey)));
  ASSERT_EQ(got.size(), 64u);
  EXPECT_LE(Distance(got[0], 0xFF282828), 6);
  EXPECT_LE(Distance(got[63], 0xFFC8C8C8), 6);
}

TEST(JpegReader, CmykAndYcckFromAdobeWriters) {
  // libjpeg writes the Adobe marker for CMYK and YCCK, so the samples are inverted
  // inks: 255 means no ink. Orange-ish: c = 255 (no cyan), m = 127, y = 0, k = 255.
  Bytes cmyk;
  for (int i = 0; i < 64; ++i) cmyk.insert(cmyk.end(), {255, 127, 0, 255});
  for (J_COLOR_SPACE stored : {JCS_CMYK, JCS_YCCK}) {
    const std::vector<uint32_t> got = Pixels(Decode(EncodeJpeg(8, 8, JCS_CMYK, stored, 4, cmyk)));
    ASSERT_EQ(got.size(), 64u);
    EXPECT_LE(Distance(got[27], 0xFFFF7F00), 6) << std::hex << got[27];
  }
}

TEST(JpegReader, RefusesTruncatedAndHostileFiles) {
  Bytes rgb(16 * 16 * 3, 90);
  const Bytes good = EncodeJpeg(16, 16, JCS_RGB, JCS_YCbCr, 3, rgb);
  ASSERT_FALSE(Decode(good).IsEmpty());
  EXPECT_EQ(FirstAcceptedPrefix(good), "");

  // Size fields of the SOF0 marker set to 60000 x 60000.
  Bytes huge = good;
  for (size_t i = 0; i + 9 < huge.size(); ++i)
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
      huge[i + 5] = 0xEA, huge[i + 6] = 0x60, huge[i + 7] = 0xEA, huge[i + 8] = 0x60;
      break;
    }
  std::string why;
  EXPECT_TRUE(Decode(huge, &why).IsEmpty());
  EXPECT_EQ(why, "JPEG picture too large: 60000 x 60000");
}

}  // namespace
}  // namespace tessel::test
