// JPEG through libjpeg(-turbo): grey, YCbCr/RGB decoded straight into BGRA rows, and
// CMYK/YCCK (Adobe's inverted form as well) converted per row. A damaged file ends in
// longjmp back here, never in exit().
// jpeglib.h needs size_t and FILE declared first.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#include <algorithm>
#include <csetjmp>
#include <vector>

#include "base/dib_section.h"
#include "codecs/format_readers.h"

namespace tessel::codecs {

namespace {

// Progressive files may hold any number of scans; hostile ones hold thousands of
// empty scans that each cost a full pass. Real files stay far below this.
constexpr int kMaxScans = 1000;

struct CJpegErrors {
  jpeg_error_mgr base;  // first, so that a j_common_ptr's err can be cast back
  jmp_buf jump;
  std::string message;
  jpeg_progress_mgr progress;
};

// longjmp skips destructors: no std::string may be alive in the frames it leaves, so
// the reason goes straight into the message member.
[[noreturn]] void Abort(j_common_ptr cinfo, const char* why, const char* detail = "") {
  auto* errors = reinterpret_cast<CJpegErrors*>(cinfo->err);
  if (errors->message.empty()) (errors->message = why) += detail;
  longjmp(errors->jump, 1);
}

[[noreturn]] void OnError(j_common_ptr cinfo) {
  char text[JMSG_LENGTH_MAX];
  cinfo->err->format_message(cinfo, text);
  Abort(cinfo, "Damaged JPEG file: ", text);
}

// Warnings are ignored, except the one that says the data ended early.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) Abort(cinfo, "Truncated JPEG file");
}

void OnProgress(j_common_ptr cinfo) {
  auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (d->input_scan_number > kMaxScans) Abort(cinfo, "Damaged JPEG file: too many scans");
}

// One row of CMYK samples to BGRA. Adobe writers store the inks inverted (255 = no ink).
void CmykToBgra(const uint8_t* s, uint8_t* d, int width, bool inverted) {
  for (int x = 0; x < width; ++x, s += 4, d += 4) {
    int c = s[0], m = s[1], y = s[2], k = s[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    d[0] = uint8_t(y * k / 255);
    d[1] = uint8_t(m * k / 255);
    d[2] = uint8_t(c * k / 255);
    d[3] = 255;
  }
}

}  // namespace

bool ReadJpeg(const uint8_t* data, size_t size, CDIBSection& out, std::string* error) {
  jpeg_decompress_struct cinfo;
  CJpegErrors errors;
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnMessage;
  errors.progress.progress_monitor = OnProgress;
  std::vector<uint8_t> cmykRow;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&cinfo);
    out.Release();
    return Fail(error, errors.message);
  }
  jpeg_create_decompress(&cinfo);
  cinfo.progress = &errors.progress;
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);

  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
  if (!CreateChecked(out, cinfo.image_width, cinfo.image_height, true, size, "JPEG", &errors.message))
    longjmp(errors.jump, 1);
  jpeg_start_decompress(&cinfo);
  if (int(cinfo.output_width) != out.Width() || int(cinfo.output_height) != out.Height() ||
      cinfo.output_components != 4)
    Abort(reinterpret_cast<j_common_ptr>(&cinfo), "Damaged JPEG file: unexpected output layout");

  const int width = out.Width();
  if (cmyk) {
    cmykRow.resize(size_t(width) * 4);
    JSAMPROW row = cmykRow.data();
    while (cinfo.output_scanline < cinfo.output_height) {
      const int y = int(cinfo.output_scanline);
      jpeg_read_scanlines(&cinfo, &row, 1);
      CmykToBgra(cmykRow.data(), out.RowFromTop(y), width, cinfo.saw_Adobe_marker);
    }
  } else {
    // Several rows per call, straight into the bitmap.
    JSAMPROW rows[16];
    while (cinfo.output_scanline < cinfo.output_height) {
      const int first = int(cinfo.output_scanline);
      const int n = std::min(16, int(cinfo.output_height) - first);
      for (int i = 0; i < n; ++i) rows[i] = out.RowFromTop(first + i);
      jpeg_read_scanlines(&cinfo, rows, JDIMENSION(n));
    }
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace tessel::codecs
