// PNG through libpng: every colour type and depth, palettes with tRNS, 16 bits scaled
// to 8, interlaced or not. Rows are decoded straight into the bitmap.
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

#include "base/dib_section.h"
#include "codecs/format_readers.h"

namespace tessel::codecs {

namespace {

struct CPngSource {
  const uint8_t* data;
  size_t size;
  size_t pos;
  std::string message;  // the first error libpng reported, or our own reason
  bool ownMessage = false;  // message is complete as it stands
};

void ReadBytes(png_structp png, png_bytep out, png_size_t n) {
  auto* src = static_cast<CPngSource*>(png_get_io_ptr(png));
  if (n > src->size - src->pos) png_error(png, "Truncated PNG file");
  std::memcpy(out, src->data + src->pos, n);
  src->pos += n;
}

void OnError(png_structp png, png_const_charp message) {
  auto* src = static_cast<CPngSource*>(png_get_error_ptr(png));
  if (src->message.empty()) src->message = message;
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

}  // namespace

bool ReadPng(const uint8_t* data, size_t size, CDIBSection& out, std::string* error) {
  if (size < 8 || png_sig_cmp(data, 0, 8) != 0) return Fail(error, "Truncated PNG file");
  CPngSource src{data, size, 8, {}};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &src, OnError, OnWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return Fail(error, "Out of memory reading PNG");
  }
  // Everything that outlives a longjmp is declared before setjmp.
  std::vector<png_bytep> rows;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    out.Release();
    const std::string& m = src.message;
    return Fail(error, src.ownMessage || m == "Truncated PNG file" ? m : "Damaged PNG file: " + m);
  }
  png_set_read_fn(png, &src, ReadBytes);
  png_set_sig_bytes(png, 8);
  png_set_user_limits(png, CDIBSection::kMaxDimension, CDIBSection::kMaxDimension);
  png_set_chunk_malloc_max(png, 64 << 20);
  png_read_info(png, info);

  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  const int colorType = png_get_color_type(png, info);
  const int depth = png_get_bit_depth(png, info);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (depth == 16) png_set_scale_16(png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);  // only acts when there is no alpha
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != size_t(width) * 4) png_error(png, "unexpected row layout");

  // longjmp skips destructors, so the reason goes straight into src.message.
  if (!CreateChecked(out, width, height, true, size, "PNG", &src.message)) {
    src.ownMessage = true;
    png_longjmp(png, 1);
  }
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = out.RowFromTop(int(y));
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

}  // namespace tessel::codecs
