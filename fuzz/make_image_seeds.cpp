// Writes small images of every format, depth and compression the image loader reads
// into a folder, as seeds for image_reader_fuzz (scripts/fuzz.sh --target image_reader).
//
//   make_image_seeds FOLDER
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

#include <fstream>
#include <string>
#include <vector>

#include "base/dib_section.h"
#include "codecs/thumbnail.h"

namespace {

using Bytes = std::vector<uint8_t>;
std::string g_folder;

void Save(const std::string& name, const Bytes& b) {
  std::ofstream(g_folder + "/" + name, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}
void Put16(Bytes& b, uint32_t v) { b.insert(b.end(), {uint8_t(v), uint8_t(v >> 8)}); }
void Put32(Bytes& b, uint32_t v) { Put16(b, v & 0xFFFF), Put16(b, v >> 16); }
void Put16BE(Bytes& b, uint32_t v) { b.insert(b.end(), {uint8_t(v >> 8), uint8_t(v)}); }
void Put32BE(Bytes& b, uint32_t v) { Put16BE(b, v >> 16), Put16BE(b, v & 0xFFFF); }

// An 8 x 6 test card: colour bars, a gradient row, alpha that varies.
uint8_t Sample(int x, int y, int c) { return uint8_t((x * 37 + y * 53 + c * 91) & 255); }

Bytes Bmp(int32_t w, int32_t h, int bpp, uint32_t comp, const Bytes& pal, const Bytes& px, uint32_t hdr = 40,
          const Bytes& masks = {}) {
  Bytes info;
  Put32(info, hdr), Put32(info, uint32_t(w)), Put32(info, uint32_t(h)), Put16(info, 1), Put16(info, uint32_t(bpp));
  Put32(info, comp), Put32(info, uint32_t(px.size())), Put32(info, 2835), Put32(info, 2835);
  Put32(info, uint32_t(pal.size() / 4)), Put32(info, 0);
  info.insert(info.end(), masks.begin(), masks.end());
  if (info.size() < hdr) info.resize(hdr, 0);
  Bytes f = {'B', 'M'};
  Put32(f, uint32_t(14 + info.size() + pal.size() + px.size())), Put32(f, 0), Put32(f, uint32_t(14 + info.size() + pal.size()));
  f.insert(f.end(), info.begin(), info.end());
  f.insert(f.end(), pal.begin(), pal.end());
  f.insert(f.end(), px.begin(), px.end());
  return f;
}

void BmpSeeds() {
  tessel::CDIBSection pic;
  pic.Create(8, 6, 24);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 24; ++x) pic.RowFromTop(y)[x] = Sample(x, y, 0);
  Save("rgb24.bmp", tessel::EncodeBmp24(pic));
  const Bytes pal = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
  Save("rle8.bmp", Bmp(4, 3, 8, 1, pal, {2, 0, 1, 1, 1, 3, 0, 0, 0, 3, 1, 2, 3, 0, 0, 0, 2, 1, 1, 1, 1, 2, 0, 1}));
  Save("rle4.bmp", Bmp(5, 2, 4, 2, pal, {2, 0x31, 0, 3, 0x12, 0x30, 0, 0, 5, 0x23, 0, 1}));
  Save("pal1.bmp", Bmp(9, -2, 1, 0, Bytes(pal.begin(), pal.begin() + 8), {0xA5, 0x80, 0, 0, 0x5A, 0x00, 0, 0}));
  Save("pal4.bmp", Bmp(3, 2, 4, 0, pal, {0x30, 0x10, 0, 0, 0x12, 0x30, 0, 0}));
  Save("rgb555.bmp", Bmp(2, 2, 16, 0, {}, {0x00, 0x7C, 0x1F, 0x00, 0xE0, 0x03, 0xFF, 0x7F}));
  Bytes m565, rgba;
  Put32(m565, 0xF800), Put32(m565, 0x07E0), Put32(m565, 0x001F);
  Put32(rgba, 0xFF), Put32(rgba, 0xFF00), Put32(rgba, 0xFF0000), Put32(rgba, 0xFF000000);
  Save("bitfields565.bmp", Bmp(2, 1, 16, 3, {}, {0xE0, 0x07, 0x10, 0x84}, 40, m565));
  Save("v5rgba.bmp", Bmp(2, -1, 32, 3, {}, {10, 20, 30, 40, 50, 60, 70, 255}, 124, rgba));
}

void CollectPng(png_structp png, png_bytep data, png_size_t n) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + n);
}

void Png(const std::string& name, int w, int h, int type, int depth, bool interlace, int channels) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, CollectPng, nullptr);
  png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), depth, type, interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_color palette[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  png_byte alphas[2] = {0, 128};
  if (type == PNG_COLOR_TYPE_PALETTE) {
    png_set_PLTE(png, info, palette, 4);
    png_set_tRNS(png, info, alphas, 2, nullptr);
  }
  png_write_info(png, info);
  const size_t rowBytes = (size_t(w) * channels * depth + 7) / 8;
  std::vector<Bytes> rows(static_cast<size_t>(h), Bytes(rowBytes));
  std::vector<png_bytep> pointers;
  for (int y = 0; y < h; ++y) {
    for (size_t i = 0; i < rowBytes; ++i)
      rows[size_t(y)][i] = uint8_t(Sample(int(i), y, 1) & (type == PNG_COLOR_TYPE_PALETTE ? 0x33 : 0xFF));  // indices 0..3
    pointers.push_back(rows[size_t(y)].data());
  }
  png_write_image(png, pointers.data());  // interlaces by itself when asked to
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  Save(name, out);
}

void Jpeg(const std::string& name, J_COLOR_SPACE in, J_COLOR_SPACE stored, int comps, bool progressive) {
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* buf = nullptr;
  unsigned long len = 0;
  jpeg_mem_dest(&c, &buf, &len);
  c.image_width = 16, c.image_height = 12, c.input_components = comps, c.in_color_space = in;
  jpeg_set_defaults(&c);
  jpeg_set_colorspace(&c, stored);
  jpeg_set_quality(&c, 60, TRUE);
  if (progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  Bytes row(size_t(16) * comps);
  while (c.next_scanline < c.image_height) {
    for (size_t i = 0; i < row.size(); ++i) row[i] = Sample(int(i), int(c.next_scanline), 2);
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  Save(name, Bytes(buf, buf + len));
  std::free(buf);
}

void Tiff(const std::string& name, int samples, int bits, uint16_t photometric, uint16_t compression, bool alpha) {
  const std::string path = g_folder + "/" + name;
  TIFF* t = TIFFOpen(path.c_str(), "w");
  TIFFSetField(t, TIFFTAG_IMAGEWIDTH, 8), TIFFSetField(t, TIFFTAG_IMAGELENGTH, 6);
  TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, samples), TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, bits);
  TIFFSetField(t, TIFFTAG_PHOTOMETRIC, photometric), TIFFSetField(t, TIFFTAG_COMPRESSION, compression);
  TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG), TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, 2);
  if (alpha) {
    const uint16_t extra = EXTRASAMPLE_UNASSALPHA;
    TIFFSetField(t, TIFFTAG_EXTRASAMPLES, 1, &extra);
  }
  Bytes row((size_t(8) * samples * bits + 7) / 8);
  for (uint32_t y = 0; y < 6; ++y) {
    for (size_t i = 0; i < row.size(); ++i) row[i] = Sample(int(i), int(y), 3);
    TIFFWriteScanline(t, row.data(), y, 0);
  }
  TIFFClose(t);
}

int CollectGif(GifFileType* gif, const GifByteType* data, int n) {
  static_cast<Bytes*>(gif->UserData)->insert(static_cast<Bytes*>(gif->UserData)->end(), data, data + n);
  return n;
}

void Gif(const std::string& name, bool interlace, bool transparent) {
  Bytes out;
  int err = 0;
  GifFileType* gif = EGifOpen(&out, CollectGif, &err);
  const GifColorType colors[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  ColorMapObject* map = GifMakeMapObject(4, colors);
  EGifSetGifVersion(gif, true);
  EGifPutScreenDesc(gif, 8, 9, 8, 0, map);
  for (int frame = 0; frame < 2; ++frame) {
    if (transparent) {
      const GifByteType gce[4] = {1, 10, 0, 2};
      EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, gce);
    }
    EGifPutImageDesc(gif, frame, frame, 7, 8, interlace, nullptr);
    for (int y = 0; y < 8; ++y) {
      GifPixelType line[7];
      for (int x = 0; x < 7; ++x) line[x] = GifPixelType((x + y) & 3);
      EGifPutLine(gif, line, 7);
    }
  }
  EGifCloseFile(gif, &err);
  GifFreeMapObject(map);
  Save(name, out);
}

Bytes Tga(int type, int depth, int w, int h, int descriptor, const Bytes& map, int mapLen, const Bytes& px) {
  Bytes b = {0, uint8_t(mapLen ? 1 : 0), uint8_t(type)};
  Put16(b, 0), Put16(b, uint32_t(mapLen)), b.push_back(24), Put32(b, 0);
  Put16(b, uint32_t(w)), Put16(b, uint32_t(h)), b.push_back(uint8_t(depth)), b.push_back(uint8_t(descriptor));
  b.insert(b.end(), map.begin(), map.end());
  b.insert(b.end(), px.begin(), px.end());
  return b;
}

Bytes Pcx(int w, int h, int planes, int bpl, const Bytes& data, bool palette) {
  Bytes b = {0x0A, 5, 1, 8};
  Put16(b, 0), Put16(b, 0), Put16(b, uint32_t(w - 1)), Put16(b, uint32_t(h - 1));
  b.resize(65, 0);
  b.push_back(uint8_t(planes)), Put16(b, uint32_t(bpl));
  b.resize(128, 0);
  b.insert(b.end(), data.begin(), data.end());
  if (palette) {
    b.push_back(0x0C);
    for (int i = 0; i < 768; ++i) b.push_back(uint8_t(i * 7));
  }
  return b;
}

Bytes Psd(int channels, int w, int h, int mode, int comp, const Bytes& image) {
  Bytes b = {'8', 'B', 'P', 'S', 0, 1, 0, 0, 0, 0, 0, 0};
  Put16BE(b, uint32_t(channels)), Put32BE(b, uint32_t(h)), Put32BE(b, uint32_t(w)), Put16BE(b, 8), Put16BE(b, uint32_t(mode));
  Put32BE(b, 0), Put32BE(b, 0), Put32BE(b, 0), Put16BE(b, uint32_t(comp));
  b.insert(b.end(), image.begin(), image.end());
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_image_seeds FOLDER\n");
    return 2;
  }
  g_folder = argv[1];
  BmpSeeds();
  Png("rgba.png", 8, 6, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, 4);
  Png("rgb16.png", 5, 4, PNG_COLOR_TYPE_RGB, 16, false, 3);
  Png("pal4.png", 9, 3, PNG_COLOR_TYPE_PALETTE, 4, false, 1);
  Png("grey1.png", 11, 3, PNG_COLOR_TYPE_GRAY, 1, false, 1);
  Png("greyalpha_adam7.png", 9, 9, PNG_COLOR_TYPE_GRAY_ALPHA, 8, true, 2);
  Jpeg("rgb.jpg", JCS_RGB, JCS_YCbCr, 3, false);
  Jpeg("progressive.jpg", JCS_RGB, JCS_YCbCr, 3, true);
  Jpeg("grey.jpg", JCS_GRAYSCALE, JCS_GRAYSCALE, 1, false);
  Jpeg("cmyk.jpg", JCS_CMYK, JCS_CMYK, 4, false);
  Jpeg("ycck.jpg", JCS_CMYK, JCS_YCCK, 4, false);
  Tiff("rgb.tif", 3, 8, PHOTOMETRIC_RGB, COMPRESSION_NONE, false);
  Tiff("rgba_lzw.tif", 4, 8, PHOTOMETRIC_RGB, COMPRESSION_LZW, true);
  Tiff("grey_packbits.tif", 1, 8, PHOTOMETRIC_MINISBLACK, COMPRESSION_PACKBITS, false);
  Tiff("bilevel_deflate.tif", 1, 1, PHOTOMETRIC_MINISWHITE, COMPRESSION_ADOBE_DEFLATE, false);
  Gif("frames.gif", false, true);
  Gif("interlaced.gif", true, false);
  const Bytes map = {0, 0, 255, 0, 255, 0, 255, 0, 0};
  Save("rgb24.tga", Tga(2, 24, 2, 2, 0, {}, 0, {0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255}));
  Save("rle32.tga", Tga(10, 32, 3, 2, 0x28, {}, 0, {0x83, 1, 2, 3, 4, 0x01, 5, 6, 7, 8, 9, 10, 11, 12}));
  Save("mapped_rle.tga", Tga(9, 8, 3, 1, 0x20, map, 3, {0x81, 1, 0x00, 2}));
  Save("grey.tga", Tga(3, 8, 3, 1, 0x10, {}, 0, {0, 100, 255}));
  Save("pal8.pcx", Pcx(3, 2, 1, 4, {0xC3, 1, 0, 2, 0xC1, 0xC5, 0xC2, 1}, true));
  Save("rgb24.pcx", Pcx(2, 2, 3, 2, {0xC1, 255, 0, 0, 0xC1, 255, 0xC8, 0}, false));
  Save("rgb_raw.psd", Psd(3, 2, 2, 3, 0, {255, 0, 0, 9, 0, 255, 0, 9, 0, 0, 255, 9}));
  Save("rgba_rle.psd", Psd(4, 3, 1, 3, 1, {0, 2, 0, 4, 0, 2, 0, 4, 0xFE, 255, 2, 255, 128, 0, 0xFE, 0, 2, 255, 128, 0}));
  Save("grey_alpha.psd", Psd(2, 2, 1, 1, 0, {10, 200, 255, 128}));
  return 0;
}
