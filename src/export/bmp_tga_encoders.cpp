// BMP and TGA files written byte by byte: both store rows bottom-up with blue, green,
// red pixels; BMP pads every row to four bytes.
#include <cstring>

#include "export/raster_encoders.h"

namespace tessel {

namespace {

constexpr size_t kBmpFileHeader = 14;
constexpr size_t kBmpInfoHeader = 40;
constexpr size_t kTgaHeader = 18;
constexpr int kTgaMaxSide = 65535;
constexpr uint8_t kTgaTrueColour = 2;
constexpr uint64_t kBmpMaxFile = 0xFFFFFFFFu;

void Put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  out[at] = uint8_t(v);
  out[at + 1] = uint8_t(v >> 8);
}
void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  Put16(out, at, v & 0xFFFF);
  Put16(out, at + 2, v >> 16);
}

bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}

// The headers of a BMP with the given depth and colour table; the pixel rows follow at
// the returned vector's end (already sized, zero-filled). Empty when too large.
std::vector<uint8_t> BmpFrame(int width, int height, int bits, int tableEntries, size_t* rowBytes) {
  *rowBytes = (size_t(width) * size_t(bits) + 31) / 32 * 4;
  const size_t offset = kBmpFileHeader + kBmpInfoHeader + size_t(tableEntries) * 4;
  const uint64_t total = uint64_t(offset) + uint64_t(*rowBytes) * uint64_t(height);
  if (total > kBmpMaxFile) return {};
  std::vector<uint8_t> out(size_t(total), 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, uint32_t(total));
  Put32(out, 10, uint32_t(offset));
  Put32(out, 14, uint32_t(kBmpInfoHeader));
  Put32(out, 18, uint32_t(width));
  Put32(out, 22, uint32_t(height));  // positive: bottom-up
  Put16(out, 26, 1);                  // planes
  Put16(out, 28, uint32_t(bits));
  Put32(out, 34, uint32_t(*rowBytes) * uint32_t(height));
  Put32(out, 38, 2835);  // 72 dpi
  Put32(out, 42, 2835);
  Put32(out, 46, uint32_t(tableEntries));
  return out;
}

// Copies RGB rows bottom-up as blue-green-red into dst, rows rowBytes apart.
void BgrRowsBottomUp(const uint8_t* rgb, int width, int height, uint8_t* dst, size_t rowBytes) {
  for (int y = 0; y < height; ++y) {
    const uint8_t* s = rgb + size_t(height - 1 - y) * size_t(width) * 3;
    uint8_t* d = dst + size_t(y) * rowBytes;
    for (int x = 0; x < width; ++x, s += 3, d += 3) {
      d[0] = s[2];
      d[1] = s[1];
      d[2] = s[0];
    }
  }
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const uint8_t* rgb, int width, int height, std::string* error) {
  if (!rgb || width < 1 || height < 1) return Fail(error, "Nothing to write: the picture is empty"), std::vector<uint8_t>();
  size_t rowBytes = 0;
  std::vector<uint8_t> out = BmpFrame(width, height, 24, 0, &rowBytes);
  if (out.empty()) return Fail(error, "The picture is too large for a BMP file"), out;
  BgrRowsBottomUp(rgb, width, height, out.data() + kBmpFileHeader + kBmpInfoHeader, rowBytes);
  return out;
}

std::vector<uint8_t> EncodeBmpIndexed(const uint8_t* indices, int width, int height, const CPalette& palette,
                                      int bits, std::string* error) {
  if (!indices || width < 1 || height < 1) return Fail(error, "Nothing to write: the picture is empty"), std::vector<uint8_t>();
  const int maxEntries = 1 << bits;
  if ((bits != 4 && bits != 8) || palette.Count() < 1 || palette.Count() > maxEntries)
    return Fail(error, "The palette does not fit the BMP depth"), std::vector<uint8_t>();
  size_t rowBytes = 0;
  std::vector<uint8_t> out = BmpFrame(width, height, bits, palette.Count(), &rowBytes);
  if (out.empty()) return Fail(error, "The picture is too large for a BMP file"), out;
  const size_t table = kBmpFileHeader + kBmpInfoHeader;
  std::memcpy(out.data() + table, palette.entries.data(), palette.entries.size());
  uint8_t* pixels = out.data() + table + palette.entries.size();
  for (int y = 0; y < height; ++y) {
    const uint8_t* s = indices + size_t(height - 1 - y) * size_t(width);
    uint8_t* d = pixels + size_t(y) * rowBytes;
    for (int x = 0; x < width; ++x) {
      if (s[x] >= palette.Count()) return Fail(error, "A pixel names a colour outside the palette"), std::vector<uint8_t>();
      if (bits == 8) d[x] = s[x];
      else d[x / 2] |= uint8_t((x & 1) ? s[x] : s[x] << 4);  // high nibble is the left pixel
    }
  }
  return out;
}

std::vector<uint8_t> EncodeTga24(const uint8_t* rgb, int width, int height, std::string* error) {
  if (!rgb || width < 1 || height < 1) return Fail(error, "Nothing to write: the picture is empty"), std::vector<uint8_t>();
  if (width > kTgaMaxSide || height > kTgaMaxSide) return Fail(error, "The picture is too large for a TGA file"), std::vector<uint8_t>();
  const size_t rowBytes = size_t(width) * 3;
  std::vector<uint8_t> out(kTgaHeader + rowBytes * size_t(height), 0);
  out[2] = kTgaTrueColour;
  Put16(out, 12, uint32_t(width));
  Put16(out, 14, uint32_t(height));
  out[16] = 24;
  out[17] = 0;  // origin at the bottom left
  BgrRowsBottomUp(rgb, width, height, out.data() + kTgaHeader, rowBytes);
  return out;
}

}  // namespace tessel
