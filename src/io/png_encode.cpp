#include "io/png_encode.h"

#include <png.h>

namespace tessel {

namespace {
void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

int LibpngColourType(PngColour colour) {
  switch (colour) {
    case PngColour::kGray: return PNG_COLOR_TYPE_GRAY;
    case PngColour::kRgb: return PNG_COLOR_TYPE_RGB;
    case PngColour::kRgba: return PNG_COLOR_TYPE_RGBA;
    case PngColour::kPalette: return PNG_COLOR_TYPE_PALETTE;
  }
  return PNG_COLOR_TYPE_RGB;
}

bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}
}  // namespace

int PngChannels(PngColour colour) {
  switch (colour) {
    case PngColour::kRgb: return 3;
    case PngColour::kRgba: return 4;
    default: return 1;
  }
}

std::vector<uint8_t> EncodePng(int width, int height, PngColour colour,
                               const std::function<void(int y, uint8_t* row)>& fill,
                               const std::vector<uint8_t>& paletteRgb, std::string* error) {
  std::vector<uint8_t> out;
  if (width < 1 || height < 1) return Fail(error, "Nothing to write: the picture is empty"), out;
  const int paletteCount = int(paletteRgb.size() / 3);
  if (colour == PngColour::kPalette && (paletteCount < 1 || paletteCount > PNG_MAX_PALETTE_LENGTH))
    return Fail(error, "The palette is empty"), out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return Fail(error, "Not enough memory"), out;
  }
  std::vector<uint8_t> row(size_t(width) * size_t(PngChannels(colour)));
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    out.clear();
    return Fail(error, "Cannot write PNG"), out;
  }
  png_set_write_fn(png, &out, AppendToVector, nullptr);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, LibpngColourType(colour), PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (colour == PngColour::kPalette) {
    png_color colours[PNG_MAX_PALETTE_LENGTH];
    for (int i = 0; i < paletteCount; ++i)
      colours[i] = {paletteRgb[size_t(3 * i)], paletteRgb[size_t(3 * i + 1)], paletteRgb[size_t(3 * i + 2)]};
    png_set_PLTE(png, info, colours, paletteCount);
  }
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    fill(y, row.data());
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

}  // namespace tessel
