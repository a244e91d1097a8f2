#include "io/png_writer.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "base/dib_section.h"
#include "io/png_encode.h"

namespace tessel {

namespace {
struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

// Encodes the rows fill(y, out) make, top row first, and writes the file.
bool WritePng(const std::string& path, int width, int height, PngColour colour,
              const std::function<void(int, uint8_t*)>& fill, std::string* error) {
  const std::vector<uint8_t> bytes = EncodePng(width, height, colour, fill, {}, error);
  if (bytes.empty()) return false;
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  if (!file) return fail("Cannot create " + path);
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() || std::fflush(file.get()) != 0)
    return fail("Cannot write " + path);
  return true;
}
}  // namespace

bool WritePngGray(const std::string& path, const uint8_t* rows, int width, int height, ptrdiff_t stride,
                  std::string* error) {
  return WritePng(
      path, width, height, PngColour::kGray,
      [&](int y, uint8_t* out) { std::copy(rows + y * stride, rows + y * stride + width, out); }, error);
}

bool WritePngBgra(const std::string& path, const CDIBSection& bitmap, bool withAlpha, std::string* error) {
  if (bitmap.BitsPerPixel() != 32) {
    if (error) *error = "Only 32-bit bitmaps are written";
    return false;
  }
  const int channels = withAlpha ? 4 : 3;
  return WritePng(
      path, bitmap.Width(), bitmap.Height(), withAlpha ? PngColour::kRgba : PngColour::kRgb,
      [&](int y, uint8_t* out) {
        const uint8_t* s = bitmap.RowFromTop(y);
        for (int x = 0; x < bitmap.Width(); ++x, s += 4, out += channels) {
          out[0] = s[2];
          out[1] = s[1];
          out[2] = s[0];
          if (withAlpha) out[3] = s[3];
        }
      },
      error);
}

}  // namespace tessel
