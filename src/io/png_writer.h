// Writing PNG files through libpng: 8-bit grey masks and 32-bit bitmaps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessel {

class CDIBSection;

// Writes top-down grey rows (one byte per pixel). Returns false with *error set when
// the file cannot be written.
bool WritePngGray(const std::string& path, const uint8_t* rows, int width, int height, ptrdiff_t stride,
                  std::string* error);

// Writes a bottom-up 32-bit BGRA bitmap as RGBA (withAlpha) or RGB.
bool WritePngBgra(const std::string& path, const CDIBSection& bitmap, bool withAlpha, std::string* error);

}  // namespace tessel
