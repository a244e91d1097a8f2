// PNG pictures of the export in memory: RGB, RGBA and 8-bit palette images.
#include <algorithm>

#include "export/raster_encoders.h"
#include "io/png_encode.h"

namespace tessel {

std::vector<uint8_t> EncodePngRgb(const uint8_t* rgb, int width, int height, std::string* error) {
  const size_t rowBytes = size_t(width) * 3;
  return EncodePng(
      width, height, PngColour::kRgb,
      [&](int y, uint8_t* out) { std::copy_n(rgb + size_t(y) * rowBytes, rowBytes, out); }, {}, error);
}

std::vector<uint8_t> EncodePngRgba(const uint8_t* rgb, const uint8_t* alpha, int width, int height,
                                   std::string* error) {
  return EncodePng(
      width, height, PngColour::kRgba,
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
      {}, error);
}

std::vector<uint8_t> EncodePngIndexed(const uint8_t* indices, int width, int height, const CPalette& palette,
                                      std::string* error) {
  // The PNG palette holds red, green, blue; ours is blue, green, red, reserved.
  std::vector<uint8_t> rgb;
  constexpr int kMaxEntries = 256;
  for (int i = 0; i < palette.Count() && i < kMaxEntries; ++i) {
    const uint8_t* e = &palette.entries[size_t(i) * 4];
    rgb.insert(rgb.end(), {e[2], e[1], e[0]});
  }
  return EncodePng(
      width, height, PngColour::kPalette,
      [&](int y, uint8_t* out) { std::copy_n(indices + size_t(y) * size_t(width), size_t(width), out); }, rgb,
      error);
}

}  // namespace tessel
