#include "codecs/format_readers.h"

#include "base/dib_section.h"

namespace tessel::codecs {

bool Fail(std::string* error, const std::string& why) {
  if (error) *error = why;
  return false;
}

bool CreateChecked(CDIBSection& out, int64_t width, int64_t height, bool compressed, size_t fileSize,
                   const char* format, std::string* error) {
  out.Release();
  if (width <= 0 || height <= 0)
    return Fail(error, std::string("Invalid ") + format + " picture size " + std::to_string(width) + " x " +
                           std::to_string(height));
  if (!CDIBSection::SizeAllowed(width, height, 32) ||
      (compressed && uint64_t(width) * uint64_t(height) > uint64_t(fileSize) * kMaxPixelsPerByte))
    return Fail(error, std::string(format) + " picture too large: " + std::to_string(width) + " x " +
                           std::to_string(height));
  if (!out.Create(int(width), int(height), 32)) return Fail(error, std::string("Out of memory reading ") + format);
  return true;
}

void OpaqueWhenAlphaUnused(CDIBSection& bitmap) {
  const int width = bitmap.Width();
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint8_t* p = bitmap.RowFromBottom(y);
    for (int x = 0; x < width; ++x)
      if (p[4 * x + 3] != 0) return;
  }
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.RowFromBottom(y);
    for (int x = 0; x < width; ++x) p[4 * x + 3] = 255;
  }
}

}  // namespace tessel::codecs
