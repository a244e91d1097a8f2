// JPEG writing through libjpeg(-turbo) into memory. An encoder error ends in longjmp
// back here, never in exit().
// jpeglib.h needs size_t and FILE declared first.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>

#include "export/raster_encoders.h"

namespace tessel {

namespace {

struct CJpegErrors {
  jpeg_error_mgr base;  // first, so that a j_common_ptr's err can be cast back
  jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<CJpegErrors*>(cinfo->err);
  cinfo->err->format_message(cinfo, errors->message);
  longjmp(errors->jump, 1);
}

// Luma of one RGB pixel with the JFIF weights, rounded.
inline uint8_t Gray(const uint8_t* p) { return uint8_t((p[0] * 19595 + p[1] * 38470 + p[2] * 7471 + 32768) >> 16); }

}  // namespace

std::vector<uint8_t> EncodeJpeg(const uint8_t* rgb, int width, int height, const CJpegOptions& options,
                                std::string* error) {
  if (!rgb || width < 1 || height < 1 || width > JPEG_MAX_DIMENSION || height > JPEG_MAX_DIMENSION) {
    if (error) *error = "Cannot write a JPEG of this size";
    return {};
  }
  std::vector<uint8_t> grayRow(options.grayscale ? size_t(width) : 0);
  jpeg_compress_struct cinfo{};
  CJpegErrors errors{};
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  if (setjmp(errors.jump)) {
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    if (error) *error = std::string("Cannot write JPEG: ") + errors.message;
    return {};
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  cinfo.input_components = options.grayscale ? 1 : 3;
  cinfo.in_color_space = options.grayscale ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, std::clamp(options.quality, 0, 100), TRUE);
  if (options.progressive) jpeg_simple_progression(&cinfo);
  if (options.sampling1x1)
    for (int c = 0; c < cinfo.num_components; ++c) cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
  jpeg_start_compress(&cinfo, TRUE);
  const size_t rowBytes = size_t(width) * 3;
  while (cinfo.next_scanline < cinfo.image_height) {
    const uint8_t* row = rgb + size_t(cinfo.next_scanline) * rowBytes;
    JSAMPROW line;
    if (options.grayscale) {
      for (int x = 0; x < width; ++x) grayRow[size_t(x)] = Gray(row + size_t(x) * 3);
      line = grayRow.data();
    } else {
      line = const_cast<JSAMPROW>(row);
    }
    jpeg_write_scanlines(&cinfo, &line, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

}  // namespace tessel
