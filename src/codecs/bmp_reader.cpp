// Windows and OS/2 BMP: 1, 4, 8, 16, 24 and 32 bits per pixel; uncompressed, RLE8, RLE4
// and bit fields; bottom-up and top-down; core, info, V4 and V5 headers.
#include <array>
#include <cstring>

#include "base/dib_section.h"
#include "codecs/byte_reader.h"
#include "codecs/format_readers.h"

namespace tessel::codecs {

namespace {

enum : uint32_t { kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiAlphaBitfields = 6 };

using Palette = std::array<uint32_t, 256>;  // B, G, R, 255 packed little-endian

// One channel of a bit-field pixel: value = (pixel & mask) >> shift, scaled from
// `bits` bits to 8.
struct CChannel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  explicit CChannel(uint32_t m = 0) : mask(m) {
    if (!m) return;
    while (!((m >> shift) & 1)) ++shift;
    for (uint32_t v = m >> shift; v & 1; v >>= 1) ++bits;
  }
  uint8_t Get(uint32_t pixel) const {
    if (!mask) return 0;
    const uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return uint8_t(v >> (bits - 8));
    return uint8_t(v * 255 / ((1u << bits) - 1));
  }
};

struct CBmpInfo {
  int64_t width = 0;
  int64_t height = 0;  // positive; topDown tells the order of the rows in the file
  bool topDown = false;
  int bpp = 0;
  uint32_t compression = kBiRgb;
  uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  bool hasAlphaMask = false;
};

// Memory row of the bitmap for the i-th row stored in the file.
inline uint8_t* FileRow(CDIBSection& out, const CBmpInfo& info, int i) {
  return info.topDown ? out.RowFromTop(i) : out.RowFromBottom(i);
}

void ExpandIndexed(const uint8_t* src, uint8_t* d, int width, int bpp, const Palette& pal) {
  if (bpp == 8) {
    for (int x = 0; x < width; ++x) std::memcpy(d + 4 * x, &pal[src[x]], 4);
    return;
  }
  const int perByte = 8 / bpp, mask = (1 << bpp) - 1;
  for (int x = 0; x < width; ++x) {
    const int shift = 8 - bpp * (x % perByte + 1);
    const uint32_t c = pal[(src[x / perByte] >> shift) & mask];
    std::memcpy(d + 4 * x, &c, 4);
  }
}

bool ReadUncompressed(const uint8_t* bits, const CBmpInfo& info, const Palette& pal, CDIBSection& out) {
  const int width = int(info.width), height = int(info.height);
  const size_t fileStride = ((size_t(width) * info.bpp + 31) / 32) * 4;
  const CChannel r(info.masks[0]), g(info.masks[1]), b(info.masks[2]), a(info.masks[3]);
  const bool plain32 = info.bpp == 32 && info.masks[0] == 0xFF0000 && info.masks[1] == 0xFF00 &&
                       info.masks[2] == 0xFF && (info.masks[3] == 0xFF000000 || info.masks[3] == 0);
  for (int i = 0; i < height; ++i) {
    const uint8_t* s = bits + size_t(i) * fileStride;
    uint8_t* d = FileRow(out, info, i);
    switch (info.bpp) {
      case 1: case 4: case 8:
        ExpandIndexed(s, d, width, info.bpp, pal);
        break;
      case 24:
        for (int x = 0; x < width; ++x, s += 3, d += 4) {
          d[0] = s[0];
          d[1] = s[1];
          d[2] = s[2];
          d[3] = 255;
        }
        break;
      case 16:
        for (int x = 0; x < width; ++x, s += 2, d += 4) {
          const uint32_t p = uint32_t(s[0] | s[1] << 8);
          d[0] = b.Get(p);
          d[1] = g.Get(p);
          d[2] = r.Get(p);
          d[3] = a.mask ? a.Get(p) : 255;
        }
        break;
      case 32:
        if (plain32) {
          std::memcpy(d, s, size_t(width) * 4);
          if (!info.masks[3])
            for (int x = 0; x < width; ++x) d[4 * x + 3] = 255;
          break;
        }
        for (int x = 0; x < width; ++x, s += 4, d += 4) {
          const uint32_t p = uint32_t(s[0]) | uint32_t(s[1]) << 8 | uint32_t(s[2]) << 16 | uint32_t(s[3]) << 24;
          d[0] = b.Get(p);
          d[1] = g.Get(p);
          d[2] = r.Get(p);
          d[3] = a.mask ? a.Get(p) : 255;
        }
        break;
    }
  }
  return true;
}

// RLE8 and RLE4: pixels never written (skipped by a delta or left by an early end of
// the picture) stay transparent black.
bool ReadRle(CByteReader& in, const CBmpInfo& info, const Palette& pal, CDIBSection& out, std::string* error) {
  const int width = int(info.width), height = int(info.height);
  const bool four = info.compression == kBiRle4;
  int x = 0, row = 0;
  auto put = [&](uint8_t index) {
    const uint32_t c = pal[index];
    std::memcpy(FileRow(out, info, row) + 4 * x, &c, 4);
    ++x;
  };
  for (;;) {
    if (in.Remaining() < 2) return Fail(error, "Truncated BMP file");
    const int count = in.U8(), value = in.U8();
    if (count > 0) {
      if (row >= height || x + count > width) return Fail(error, "BMP run past the end of the row");
      for (int k = 0; k < count; ++k) put(four ? ((k & 1) ? value & 15 : value >> 4) : uint8_t(value));
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++row;
    } else if (value == 1) {  // end of picture
      return true;
    } else if (value == 2) {  // delta: move right and up
      if (in.Remaining() < 2) return Fail(error, "Truncated BMP file");
      x += in.U8();
      row += in.U8();
      if (x > width || row > height) return Fail(error, "BMP run past the end of the picture");
    } else {  // literal run of `value` pixels, padded to 16 bits
      const size_t bytes = four ? (size_t(value) + 1) / 2 : size_t(value);
      if (in.Remaining() < ((bytes + 1) & ~size_t(1))) return Fail(error, "Truncated BMP file");
      if (row >= height || x + value > width) return Fail(error, "BMP run past the end of the row");
      const uint8_t* s = in.Ptr();
      for (int k = 0; k < value; ++k) put(four ? ((k & 1) ? s[k / 2] & 15 : s[k / 2] >> 4) : s[k]);
      in.Skip((bytes + 1) & ~size_t(1));
    }
  }
}

}  // namespace

bool ReadBmp(const uint8_t* data, size_t size, CDIBSection& out, std::string* error) {
  CByteReader in(data, size);
  in.Skip(10);
  const uint32_t offBits = in.U32LE();
  const uint32_t headerSize = in.U32LE();
  if (!in.Ok()) return Fail(error, "Truncated BMP file");
  CBmpInfo info;
  int paletteEntrySize = 4;
  uint32_t colorsUsed = 0;
  if (headerSize == 12) {  // OS/2 core header
    info.width = in.U16LE();
    info.height = in.U16LE();
    in.U16LE();
    info.bpp = in.U16LE();
    paletteEntrySize = 3;
  } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 64 || headerSize == 108 ||
             headerSize == 124) {
    info.width = in.S32LE();
    const int64_t height = in.S32LE();
    info.topDown = height < 0;
    info.height = height < 0 ? -height : height;
    in.U16LE();
    info.bpp = in.U16LE();
    info.compression = in.U32LE();
    in.Skip(12);  // image size, resolution
    colorsUsed = in.U32LE();
    in.U32LE();
    if (headerSize >= 52 && headerSize != 64) {  // 64: OS/2 2.x, no masks
      for (int i = 0; i < 3; ++i) info.masks[i] = in.U32LE();
      if (headerSize >= 56) {
        info.masks[3] = in.U32LE();
        info.hasAlphaMask = true;
      }
    }
    if (!in.Seek(14 + uint64_t(headerSize))) return Fail(error, "Truncated BMP file");
    if (headerSize == 40 && (info.compression == kBiBitfields || info.compression == kBiAlphaBitfields)) {
      for (int i = 0; i < 3; ++i) info.masks[i] = in.U32LE();
      if (info.compression == kBiAlphaBitfields) {
        info.masks[3] = in.U32LE();
        info.hasAlphaMask = true;
      }
    }
  } else {
    return Fail(error, "Unsupported BMP header size " + std::to_string(headerSize));
  }
  // The reader now stands at the palette: right after the header, or after the
  // bit-field masks that follow a 40-byte header.
  if (!in.Ok()) return Fail(error, "Truncated BMP file");

  const uint32_t c = info.compression;
  const int bpp = info.bpp;
  bool supported = false;
  if (c == kBiRgb) supported = bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
  else if (c == kBiRle8) supported = bpp == 8;
  else if (c == kBiRle4) supported = bpp == 4;
  else if (c == kBiBitfields || c == kBiAlphaBitfields) supported = bpp == 16 || bpp == 32;
  else return Fail(error, "Unsupported BMP compression " + std::to_string(c));
  if (!supported)
    return Fail(error, "Unsupported BMP of " + std::to_string(bpp) + " bits with compression " + std::to_string(c));
  if (c == kBiRgb && bpp == 16) {
    info.masks[0] = 0x7C00, info.masks[1] = 0x03E0, info.masks[2] = 0x001F, info.masks[3] = 0;
  } else if (c == kBiRgb && bpp == 32) {
    info.masks[0] = 0xFF0000, info.masks[1] = 0xFF00, info.masks[2] = 0xFF;
    // The fourth byte is alpha unless a V4/V5 header says otherwise; a picture whose
    // alpha is 0 everywhere is taken as opaque (OpaqueWhenAlphaUnused below).
    info.masks[3] = info.hasAlphaMask ? info.masks[3] : 0xFF000000;
  }
  if ((c == kBiBitfields || c == kBiAlphaBitfields) && !(info.masks[0] | info.masks[1] | info.masks[2]))
    return Fail(error, "BMP bit fields without masks");

  Palette pal;
  pal.fill(0xFF000000u);
  if (bpp <= 8) {
    const uint32_t maxColors = 1u << bpp;
    if (colorsUsed > 256) return Fail(error, "BMP palette of " + std::to_string(colorsUsed) + " colours");
    uint32_t count = colorsUsed ? colorsUsed : maxColors;
    const uint64_t palBytes = uint64_t(count) * paletteEntrySize;
    // Old writers leave colorsUsed at 0 with a shorter palette: trust the data offset.
    if (!colorsUsed && offBits >= in.Pos() && offBits - in.Pos() < palBytes)
      count = uint32_t((offBits - in.Pos()) / paletteEntrySize);
    if (uint64_t(count) * paletteEntrySize > in.Remaining()) return Fail(error, "Truncated BMP palette");
    for (uint32_t i = 0; i < count; ++i) {
      const uint8_t* p = in.Ptr() + size_t(i) * paletteEntrySize;
      pal[i] = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | 0xFF000000u;
    }
  }

  if (offBits < 14 || offBits > size) return Fail(error, "Truncated BMP file");
  in.Seek(offBits);
  const bool rle = c == kBiRle8 || c == kBiRle4;
  if (info.width <= 0 || info.height <= 0)
    return Fail(error, "Invalid BMP picture size " + std::to_string(info.width) + " x " + std::to_string(info.height));
  if (!rle) {
    const uint64_t need = (uint64_t(info.width) * uint64_t(bpp) + 31) / 32 * 4 * uint64_t(info.height);
    if (info.width > CDIBSection::kMaxDimension || info.height > CDIBSection::kMaxDimension || need > in.Remaining())
      return Fail(error, CDIBSection::SizeAllowed(info.width, info.height, 32) ? "Truncated BMP file"
                                                                               : "BMP picture too large");
  }
  if (!CreateChecked(out, info.width, info.height, rle, size, "BMP", error)) return false;
  if (rle) {
    if (!ReadRle(in, info, pal, out, error)) return out.Release(), false;
    return true;
  }
  ReadUncompressed(in.Ptr(), info, pal, out);
  if (bpp == 32) OpaqueWhenAlphaUnused(out);
  return true;
}

}  // namespace tessel::codecs
