#include "codecs/thumbnail.h"

#include <algorithm>
#include <cstring>

#include "base/dib_section.h"
#include "base/safe_file.h"

namespace tessel {

CDIBSection ScaleToBgr(const CDIBSection& picture, int width, int height) {
  CDIBSection out;
  if (picture.IsEmpty() || !out.Create(width, height, 24)) return out;
  const int64_t sw = picture.Width(), sh = picture.Height();
  const int bpp = picture.BytesPerPixel();
  for (int dy = 0; dy < height; ++dy) {
    const int y0 = int(dy * sh / height), y1 = std::max(y0 + 1, int((dy + 1) * sh / height));
    uint8_t* d = out.RowFromTop(dy);
    for (int dx = 0; dx < width; ++dx, d += 3) {
      const int x0 = int(dx * sw / width), x1 = std::max(x0 + 1, int((dx + 1) * sw / width));
      uint64_t sum[3] = {0, 0, 0};
      for (int y = y0; y < y1; ++y) {
        const uint8_t* s = picture.RowFromTop(y) + x0 * bpp;
        for (int x = x0; x < x1; ++x, s += bpp) {
          if (bpp == 1) {
            sum[0] += s[0], sum[1] += s[0], sum[2] += s[0];
          } else if (bpp == 3) {
            sum[0] += s[0], sum[1] += s[1], sum[2] += s[2];
          } else {  // over white: c * a / 255 + 255 - a
            const unsigned a = s[3];
            for (int c = 0; c < 3; ++c) sum[c] += (s[c] * a + 255 * (255 - a) + 127) / 255;
          }
        }
      }
      const uint64_t n = uint64_t(y1 - y0) * uint64_t(x1 - x0);
      for (int c = 0; c < 3; ++c) d[c] = uint8_t((sum[c] + n / 2) / n);
    }
  }
  return out;
}

std::vector<uint8_t> EncodeBmp24(const CDIBSection& bitmap) {
  if (bitmap.IsEmpty() || bitmap.BitsPerPixel() != 24) return {};
  const uint32_t stride = uint32_t(bitmap.Stride()), height = uint32_t(bitmap.Height());
  const uint32_t pixelBytes = stride * height, offBits = 14 + 40;
  std::vector<uint8_t> file;
  file.reserve(offBits + pixelBytes);
  auto put16 = [&](uint32_t v) { file.insert(file.end(), {uint8_t(v), uint8_t(v >> 8)}); };
  auto put32 = [&](uint32_t v) { put16(v & 0xFFFF), put16(v >> 16); };
  file.push_back('B'), file.push_back('M');
  put32(offBits + pixelBytes), put32(0), put32(offBits);
  put32(40), put32(uint32_t(bitmap.Width())), put32(height), put16(1), put16(24), put32(0), put32(pixelBytes);
  put32(2835), put32(2835), put32(0), put32(0);  // 72 dpi, no palette
  // CDIBSection rows are bottom-up and padded to 4 bytes, exactly as BMP stores them.
  file.insert(file.end(), bitmap.Bits(), bitmap.Bits() + pixelBytes);
  return file;
}

bool WriteThumbnail(const std::string& path, const CDIBSection& picture, std::string* error) {
  const CDIBSection small = ScaleToBgr(picture, kThumbnailSize, kThumbnailSize);
  if (small.IsEmpty()) {
    if (error) *error = "Nothing to write: the picture is empty";
    return false;
  }
  const std::vector<uint8_t> bytes = EncodeBmp24(small);
  return WriteFileSafely(path, bytes.data(), bytes.size(), error);
}

}  // namespace tessel
