// ZSoft PCX: 8 bits in one plane with the 256-colour palette at the end of the file,
// and 24 bits as three planes (red, green, blue) per row, RLE-encoded or raw.
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "base/dib_section.h"
#include "codecs/byte_reader.h"
#include "codecs/format_readers.h"

namespace tessel::codecs {

namespace {

constexpr size_t kHeaderSize = 128;
constexpr size_t kPaletteSize = 769;  // the byte 0x0C and 256 RGB triples

}  // namespace

bool ReadPcx(const uint8_t* data, size_t size, CDIBSection& out, std::string* error) {
  CByteReader in(data, size);
  in.Skip(1);
  const int version = in.U8(), encoding = in.U8(), bits = in.U8();
  const int xMin = in.U16LE(), yMin = in.U16LE(), xMax = in.U16LE(), yMax = in.U16LE();
  in.Seek(65);
  const int planes = in.U8(), bytesPerLine = in.U16LE();
  if (!in.Ok() || size < kHeaderSize) return Fail(error, "Truncated PCX file");
  if (bits != 8 || (planes != 1 && planes != 3) || encoding > 1)
    return Fail(error, "Unsupported PCX file of " + std::to_string(planes) + " planes of " + std::to_string(bits) + " bits");
  const int64_t width = int64_t(xMax) - xMin + 1, height = int64_t(yMax) - yMin + 1;
  if (width <= 0 || height <= 0)
    return Fail(error, "Invalid PCX picture size " + std::to_string(width) + " x " + std::to_string(height));
  if (bytesPerLine < width) return Fail(error, "PCX rows shorter than the picture");

  // Version 5 files of one 8-bit plane end with their palette; older ones are grey.
  std::array<uint32_t, 256> pal;
  size_t end = size;
  if (planes == 1) {
    const bool hasPalette = size >= kHeaderSize + kPaletteSize && data[size - kPaletteSize] == 0x0C;
    if (version == 5 && !hasPalette) return Fail(error, "Truncated PCX file: the palette is missing");
    for (uint32_t i = 0; i < 256; ++i) {
      if (hasPalette) {
        const uint8_t* p = data + size - kPaletteSize + 1 + 3 * i;
        pal[i] = uint32_t(p[2]) | uint32_t(p[1]) << 8 | uint32_t(p[0]) << 16 | 0xFF000000u;
      } else {
        pal[i] = i | i << 8 | i << 16 | 0xFF000000u;
      }
    }
    if (hasPalette) end = size - kPaletteSize;
  }

  const size_t lineBytes = size_t(planes) * size_t(bytesPerLine);  // one row of every plane
  const uint64_t total = uint64_t(lineBytes) * uint64_t(height);
  if (encoding == 0 && total > end - kHeaderSize) return Fail(error, "Truncated PCX file");
  if (!CreateChecked(out, width, height, encoding == 1, size, "PCX", error)) return false;

  // Decoded as one stream: some writers let runs cross from one row to the next.
  std::vector<uint8_t> line(lineBytes);
  const uint8_t* s = data + kHeaderSize;
  const uint8_t* sEnd = data + end;
  size_t runLeft = 0;
  uint8_t runValue = 0;
  for (int y = 0; y < int(height); ++y) {
    size_t filled = 0;
    while (filled < lineBytes) {
      if (runLeft) {
        const size_t n = std::min(runLeft, lineBytes - filled);
        std::memset(line.data() + filled, runValue, n);
        filled += n;
        runLeft -= n;
        continue;
      }
      if (s == sEnd) return out.Release(), Fail(error, "Truncated PCX file");
      const uint8_t b = *s++;
      if (encoding == 1 && (b & 0xC0) == 0xC0) {
        if (s == sEnd) return out.Release(), Fail(error, "Truncated PCX file");
        runLeft = b & 0x3F;
        runValue = *s++;
      } else {
        line[filled++] = b;
      }
    }
    uint8_t* d = out.RowFromTop(y);
    if (planes == 1) {
      for (int64_t x = 0; x < width; ++x) std::memcpy(d + 4 * x, &pal[line[size_t(x)]], 4);
    } else {
      const uint8_t *r = line.data(), *g = r + bytesPerLine, *b = g + bytesPerLine;
      for (int64_t x = 0; x < width; ++x, d += 4) {
        d[0] = b[x];
        d[1] = g[x];
        d[2] = r[x];
        d[3] = 255;
      }
    }
  }
  if (runLeft) return out.Release(), Fail(error, "PCX run past the end of the picture");
  return true;
}

}  // namespace tessel::codecs
