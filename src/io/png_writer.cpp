#include "io/png_writer.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "base/dib_section.h"

namespace tessel {

namespace {
struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

// Writes rows produced by fill(y, out) for y = 0 (top) .. height - 1.
template <class Fill>
bool WritePng(const std::string& path, int width, int height, int colorType, int channels, Fill fill,
              std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  if (width < 1 || height < 1) return fail("Nothing to write: the picture is empty");
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return fail("Cannot create " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return fail("Out of memory writing " + path);
  }
  std::vector<uint8_t> row(size_t(width) * size_t(channels));
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return fail("Cannot write " + path);
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, colorType, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    fill(y, row.data());
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fflush(file.get()) != 0 || std::ferror(file.get())) return fail("Cannot write " + path);
  return true;
}
}  // namespace

bool WritePngGray(const std::string& path, const uint8_t* rows, int width, int height, ptrdiff_t stride,
                  std::string* error) {
  return WritePng(
      path, width, height, PNG_COLOR_TYPE_GRAY, 1,
      [&](int y, uint8_t* out) { std::copy(rows + y * stride, rows + y * stride + width, out); }, error);
}

bool WritePngBgra(const std::string& path, const CDIBSection& bitmap, bool withAlpha, std::string* error) {
  if (bitmap.BitsPerPixel() != 32) {
    if (error) *error = "Only 32-bit bitmaps are written";
    return false;
  }
  const int channels = withAlpha ? 4 : 3;
  return WritePng(
      path, bitmap.Width(), bitmap.Height(), withAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, channels,
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
