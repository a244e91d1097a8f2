// Encoding export pictures into file bytes in memory: JPEG through libjpeg, PNG through
// libpng, BMP and TGA byte by byte. Pixels come packed (RGB: red, green, blue; indices:
// one byte per pixel), top row first, rows without gaps. Each encoder returns the file's
// bytes, or an empty vector with the reason in *error (when given).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "export/colour_quantizer.h"

namespace tessel {

struct CJpegOptions {
  int quality = 95;          // 0..100
  bool progressive = false;
  bool grayscale = false;    // converted from RGB and written as one component
  bool sampling1x1 = false;  // every component sampled 1 x 1 (no chroma subsampling)
};

std::vector<uint8_t> EncodeJpeg(const uint8_t* rgb, int width, int height, const CJpegOptions& options,
                                std::string* error);

// 24-bit BMP, bottom-up as BMP files are.
std::vector<uint8_t> EncodeBmp24(const uint8_t* rgb, int width, int height, std::string* error);
// 8- or 4-bit BMP with the palette's entries (blue, green, red, reserved) as its
// colour table; every index must be below the palette's count.
std::vector<uint8_t> EncodeBmpIndexed(const uint8_t* indices, int width, int height, const CPalette& palette,
                                      int bitsPerPixel, std::string* error);

std::vector<uint8_t> EncodePngRgb(const uint8_t* rgb, int width, int height, std::string* error);
// 8-bit palette PNG; the palette's entries become PLTE (at most 256).
std::vector<uint8_t> EncodePngIndexed(const uint8_t* indices, int width, int height, const CPalette& palette,
                                      std::string* error);
// 32-bit RGBA PNG from the RGB pixels and a separate alpha plane.
std::vector<uint8_t> EncodePngRgba(const uint8_t* rgb, const uint8_t* alpha, int width, int height,
                                   std::string* error);

// 24-bit uncompressed TGA, stored bottom-up.
std::vector<uint8_t> EncodeTga24(const uint8_t* rgb, int width, int height, std::string* error);

}  // namespace tessel
