// PNG writing through libpng into memory: RGB, RGBA and 8-bit palette images.
#include <png.h>

#include <algorithm>
#include <csetjmp>

#include "export/raster_encoders.h"

namespace tessel {

namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

// Encodes rows made by fill(y, row) for y = 0 (top) .. height - 1; setup may add
// chunks (the palette) before the header is written.
template <class Setup, class Fill>
std::vector<uint8_t> Encode(int width, int height, int colourType, int channels, Setup setup, Fill fill,
                            std::string* error) {
  std::vector<uint8_t> out;
  if (width < 1 || height < 1) {
    if (error) *error = "Nothing to write: the picture is empty";
    return out;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    if (error) *error = "Not enough memory";
    return out;
  }
  std::vector<uint8_t> row(size_t(width) * size_t(channels));
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    if (error) *error = "Cannot write PNG";
    out.clear();
    return out;
  }
  png_set_write_fn(png, &out, AppendToVector, nullptr);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, colourType, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  setup(png, info);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    fill(y, row.data());
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

void NoSetup(png_structp, png_infop) {}

}  // namespace

std::vector<uint8_t> EncodePngRgb(const uint8_t* rgb, int width, int height, std::string* error) {
  const size_t rowBytes = size_t(width) * 3;
  return Encode(
      width, height, PNG_COLOR_TYPE_RGB, 3, NoSetup,
      [&](int y, uint8_t* out) { std::copy_n(rgb + size_t(y) * rowBytes, rowBytes, out); }, error);
}

std::vector<uint8_t> EncodePngRgba(const uint8_t* rgb, const uint8_t* alpha, int width, int height,
                                   std::string* error) {
  return Encode(
      width, height, PNG_COLOR_TYPE_RGBA, 4, NoSetup,
      [&](int y, uint8_t* out) {
        const uint8_t* s = rgb + size_t(y) * size_t(width) * 3;
        const uint8_t* a = alpha + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x, s += 3, out += 4) {
          out[0] = s[0];
          out[1] = s[1];
          out[2] = s[2];
          out[3] = a[x];
        }
      },
      error);
}

std::vector<uint8_t> EncodePngIndexed(const uint8_t* indices, int width, int height, const CPalette& palette,
                                      std::string* error) {
  const int count = std::min(palette.Count(), PNG_MAX_PALETTE_LENGTH);
  if (count < 1) {
    if (error) *error = "The palette is empty";
    return {};
  }
  png_color colours[PNG_MAX_PALETTE_LENGTH];
  for (int i = 0; i < count; ++i) {
    const uint8_t* e = &palette.entries[size_t(i) * 4];
    colours[i] = {e[2], e[1], e[0]};
  }
  return Encode(
      width, height, PNG_COLOR_TYPE_PALETTE, 1,
      [&](png_structp png, png_infop info) { png_set_PLTE(png, info, colours, count); },
      [&](int y, uint8_t* out) { std::copy_n(indices + size_t(y) * size_t(width), size_t(width), out); }, error);
}

}  // namespace tessel
