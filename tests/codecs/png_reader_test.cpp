#include <png.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include "codec_test_util.h"
#include "io/png_writer.h"
#include "test_util.h"

namespace tessel::test {
namespace {

struct CPngSpec {
  int width = 2, height = 2, colorType = PNG_COLOR_TYPE_RGB, depth = 8;
  bool interlace = false;
  std::vector<png_color> palette;
  Bytes trns;  // palette alphas
  std::vector<Bytes> rows;  // packed as libpng expects, big-endian samples
};

void Collect(png_structp png, png_bytep data, png_size_t n) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + n);
}

// Encodes with libpng into memory.
Bytes EncodePng(const CPngSpec& spec) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, Collect, nullptr);
  png_set_IHDR(png, info, spec.width, spec.height, spec.depth, spec.colorType,
               spec.interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (!spec.palette.empty()) png_set_PLTE(png, info, spec.palette.data(), int(spec.palette.size()));
  if (!spec.trns.empty()) png_set_tRNS(png, info, spec.trns.data(), int(spec.trns.size()), nullptr);
  png_write_info(png, info);
  std::vector<png_bytep> rows;
  for (const Bytes& r : spec.rows) rows.push_back(const_cast<png_bytep>(r.data()));
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

TEST(PngReader, RoundTripsWhatWeWrite) {
  CDIBSection src;
  ASSERT_TRUE(src.Create(5, 3, 32));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      uint8_t* p = src.RowFromBottom(y) + 4 * x;
      p[0] = uint8_t(40 * x), p[1] = uint8_t(70 * y), p[2] = uint8_t(x * y * 13), p[3] = uint8_t(255 - 30 * x);
    }
  TempDir dir;
  std::string error;
  ASSERT_TRUE(WritePngBgra(dir.File("a.png"), src, true, &error)) << error;
  CDIBSection back;
  ASSERT_TRUE(ReadImageFile(dir.File("a.png"), back, &error)) << error;
  EXPECT_TRUE(back == src);
}

TEST(PngReader, EveryColourTypeAndDepth) {
  CPngSpec grey1;
  grey1.colorType = PNG_COLOR_TYPE_GRAY, grey1.depth = 1;
  grey1.rows = {{0x80}, {0x40}};
  EXPECT_EQ(Pixels(Decode(EncodePng(grey1))), (std::vector<uint32_t>{0xFFFFFFFF, 0xFF000000, 0xFF000000, 0xFFFFFFFF}));

  CPngSpec grey16;
  grey16.colorType = PNG_COLOR_TYPE_GRAY_ALPHA, grey16.depth = 16, grey16.width = 1, grey16.height = 1;
  grey16.rows = {{0x12, 0x34, 0x80, 0x00}};
  EXPECT_EQ(Pixels(Decode(EncodePng(grey16))), (std::vector<uint32_t>{0x80121212}));

  CPngSpec pal;
  pal.colorType = PNG_COLOR_TYPE_PALETTE, pal.depth = 4, pal.width = 3, pal.height = 1;
  pal.palette = {{255, 0, 0}, {0, 0, 255}};
  pal.trns = {0, 200};
  pal.rows = {{0x01, 0x00}};
  EXPECT_EQ(Pixels(Decode(EncodePng(pal))), (std::vector<uint32_t>{0x00FF0000, 0xC80000FF, 0x00FF0000}));

  CPngSpec rgb16;
  rgb16.depth = 16, rgb16.width = 1, rgb16.height = 1;
  rgb16.rows = {{0xFF, 0xFF, 0x80, 0x7F, 0x00, 0x01}};
  EXPECT_EQ(Pixels(Decode(EncodePng(rgb16))), (std::vector<uint32_t>{0xFFFF8000}));

  // Adam7: an interlaced 9 x 9 picture comes out whole.
  CPngSpec inter;
  inter.colorType = PNG_COLOR_TYPE_RGB_ALPHA, inter.interlace = true, inter.width = 9, inter.height = 9;
  std::vector<uint32_t> expected;
  for (int y = 0; y < 9; ++y) {
    Bytes row;
    for (int x = 0; x < 9; ++x) {
      row.insert(row.end(), {uint8_t(x * 20), uint8_t(y * 20), 7, uint8_t(100 + x + y)});
      expected.push_back(uint32_t(100 + x + y) << 24 | uint32_t(x * 20) << 16 | uint32_t(y * 20) << 8 | 7);
    }
    inter.rows.push_back(row);
  }
  EXPECT_EQ(Pixels(Decode(EncodePng(inter))), expected);
}

TEST(PngReader, RefusesTruncatedAndHostileFiles) {
  CPngSpec spec;
  spec.rows = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}};
  const Bytes good = EncodePng(spec);
  ASSERT_FALSE(Decode(good).IsEmpty());
  EXPECT_EQ(FirstAcceptedPrefix(good), "");

  // IHDR claiming 100000 x 100000 (CRC fixed up so that only the size is wrong).
  Bytes huge = good;
  for (int i : {16, 20}) huge[i] = 0, huge[i + 1] = 0x01, huge[i + 2] = 0x86, huge[i + 3] = 0xA0;
  const uLong crc = crc32(crc32(0, nullptr, 0), huge.data() + 12, 17);
  for (int i = 0; i < 4; ++i) huge[29 + i] = uint8_t(crc >> (24 - 8 * i));
  std::string why;
  EXPECT_TRUE(Decode(huge, &why).IsEmpty());
  EXPECT_NE(why.find("PNG"), std::string::npos) << why;
}

}  // namespace
}  // namespace tessel::test
