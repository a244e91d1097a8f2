// TIFF through libtiff's RGBA interface, opened over the buffer in memory. libtiff's
// warnings are dropped and its errors become the reason, per file (no global handlers).
#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

#include "base/dib_section.h"
#include "codecs/format_readers.h"

namespace tessel::codecs {

namespace {

// Largest single allocation libtiff may make for strips, tiles and tables.
constexpr tmsize_t kMaxTiffAlloc = tmsize_t(256) << 20;

struct CTiffSource {
  const uint8_t* data;
  size_t size;
  uint64_t pos = 0;
  std::string message;  // the first error libtiff reported
};

tmsize_t ReadProc(thandle_t h, void* buf, tmsize_t n) {
  auto* src = static_cast<CTiffSource*>(h);
  if (n < 0 || src->pos >= src->size) return 0;
  const size_t count = std::min(size_t(n), size_t(src->size - src->pos));
  std::memcpy(buf, src->data + src->pos, count);
  src->pos += count;
  return tmsize_t(count);
}

tmsize_t WriteProc(thandle_t, void*, tmsize_t) { return 0; }

toff_t SeekProc(thandle_t h, toff_t off, int whence) {
  auto* src = static_cast<CTiffSource*>(h);
  uint64_t base = whence == SEEK_CUR ? src->pos : whence == SEEK_END ? src->size : 0;
  // Offsets are unsigned; a "negative" one wraps around and lands far past the end.
  src->pos = base + off;
  return src->pos;
}

int CloseProc(thandle_t) { return 0; }
toff_t SizeProc(thandle_t h) { return static_cast<CTiffSource*>(h)->size; }

int MapProc(thandle_t h, void** base, toff_t* size) {
  auto* src = static_cast<CTiffSource*>(h);
  *base = const_cast<uint8_t*>(src->data);
  *size = src->size;
  return 1;
}

void UnmapProc(thandle_t, void*, toff_t) {}

int OnError(TIFF*, void* user, const char*, const char* fmt, va_list ap) {
  auto* src = static_cast<CTiffSource*>(user);
  if (src->message.empty()) {
    char text[512];
    std::vsnprintf(text, sizeof text, fmt, ap);
    src->message = text;
  }
  return 1;  // handled: the global handlers stay silent
}

int OnWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

struct TiffCloser {
  void operator()(TIFF* t) const { TIFFClose(t); }
};
struct OptionsFree {
  void operator()(TIFFOpenOptions* o) const { TIFFOpenOptionsFree(o); }
};

}  // namespace

bool ReadTiff(const uint8_t* data, size_t size, CDIBSection& out, std::string* error) {
  CTiffSource src{data, size, 0, {}};
  std::unique_ptr<TIFFOpenOptions, OptionsFree> options(TIFFOpenOptionsAlloc());
  if (!options) return Fail(error, "Out of memory reading TIFF");
  TIFFOpenOptionsSetErrorHandlerExtR(options.get(), OnError, &src);
  TIFFOpenOptionsSetWarningHandlerExtR(options.get(), OnWarning, &src);
  TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), kMaxTiffAlloc);
  std::unique_ptr<TIFF, TiffCloser> tif(TIFFClientOpenExt("memory", "rm", &src, ReadProc, WriteProc, SeekProc,
                                                          CloseProc, SizeProc, MapProc, UnmapProc, options.get()));
  auto damaged = [&](const char* fallback) {
    out.Release();
    return Fail(error, src.message.empty() ? std::string(fallback) : "Damaged TIFF file: " + src.message);
  };
  if (!tif) return damaged("Damaged TIFF file");
  char why[1024] = "";
  if (!TIFFRGBAImageOK(tif.get(), why)) return Fail(error, std::string("Unsupported TIFF file: ") + why);
  uint32_t width = 0, height = 0;
  TIFFGetField(tif.get(), TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tif.get(), TIFFTAG_IMAGELENGTH, &height);
  if (!CreateChecked(out, width, height, true, size, "TIFF", error)) return false;
  // A 32-bit row is exactly width * 4 bytes, so the bitmap is one contiguous raster.
  auto* raster = reinterpret_cast<uint32_t*>(out.Bits());
  if (!TIFFReadRGBAImageOriented(tif.get(), width, height, raster, ORIENTATION_BOTLEFT, 1))
    return damaged("Truncated TIFF file");

  // libtiff gives R, G, B, A bytes with colour premultiplied by alpha; we keep BGRA with
  // plain colour.
  for (uint32_t y = 0; y < height; ++y) {
    uint8_t* p = out.RowFromBottom(int(y));
    for (uint32_t x = 0; x < width; ++x, p += 4) {
      std::swap(p[0], p[2]);
      const int a = p[3];
      if (a == 255) continue;
      if (a == 0) {
        p[0] = p[1] = p[2] = 0;
        continue;
      }
      for (int c = 0; c < 3; ++c) p[c] = uint8_t(std::min(255, (p[c] * 255 + a / 2) / a));
    }
  }
  return true;
}

}  // namespace tessel::codecs
