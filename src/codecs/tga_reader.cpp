// Truevision TGA: colour-mapped (8-bit indices into a 15/16/24/32-bit map), true colour
// (15/16/24/32 bits) and grey (8 bits, 16 with alpha), uncompressed or RLE; the origin
// bits of the descriptor say which corner the first pixel is.
#include <array>
#include <cstring>
#include <vector>

#include "base/dib_section.h"
#include "codecs/byte_reader.h"
#include "codecs/format_readers.h"

namespace tessel::codecs {

namespace {

// One pixel of `bytes` bytes in the file's layout to BGRA (0xAARRGGBB).
inline uint32_t ToBgra(const uint8_t* p, int bytes, bool grey) {
  if (grey) {
    const uint32_t v = p[0];
    return v | v << 8 | v << 16 | (bytes == 2 ? uint32_t(p[1]) : 255u) << 24;
  }
  switch (bytes) {
    case 2: {  // A1 R5 G5 B5, little-endian; the attribute bit is not taken as alpha
      const uint32_t v = uint32_t(p[0] | p[1] << 8);
      const uint32_t r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
      return (b * 255 / 31) | (g * 255 / 31) << 8 | (r * 255 / 31) << 16 | 0xFF000000u;
    }
    case 3: return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | 0xFF000000u;
    default: return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
  }
}

}  // namespace

bool ReadTga(const uint8_t* data, size_t size, CDIBSection& out, std::string* error) {
  CByteReader in(data, size);
  const int idLength = in.U8(), mapType = in.U8(), type = in.U8();
  const int mapFirst = in.U16LE(), mapLength = in.U16LE(), mapEntryBits = in.U8();
  in.Skip(4);  // origin
  const int width = in.U16LE(), height = in.U16LE(), depth = in.U8(), descriptor = in.U8();
  if (!in.Ok()) return Fail(error, "Truncated TGA file");
  const bool rle = type >= 9;
  const int base = rle ? type - 8 : type;
  const bool mapped = base == 1, grey = base == 3;
  const bool depthOk = mapped ? depth == 8 : grey ? (depth == 8 || depth == 16)
                                                  : (depth == 15 || depth == 16 || depth == 24 || depth == 32);
  if (base < 1 || base > 3 || type > 11 || (type > 3 && type < 9) || !depthOk || (mapped && mapType != 1))
    return Fail(error, "Unsupported TGA type " + std::to_string(type) + " of " + std::to_string(depth) + " bits");
  if (!in.Skip(uint64_t(idLength))) return Fail(error, "Truncated TGA file");

  std::array<uint32_t, 256> pal;
  pal.fill(0xFF000000u);
  if (mapType == 1) {
    const int entryBytes = (mapEntryBits + 7) / 8;
    if (entryBytes < 2 || entryBytes > 4) return Fail(error, "Unsupported TGA colour map of " + std::to_string(mapEntryBits) + " bits");
    if (uint64_t(mapLength) * entryBytes > in.Remaining()) return Fail(error, "Truncated TGA colour map");
    for (int i = 0; i < mapLength; ++i) {
      const int index = mapFirst + i;
      if (mapped && index < 256) pal[size_t(index)] = ToBgra(in.Ptr() + size_t(i) * entryBytes, entryBytes, false);
    }
    in.Skip(uint64_t(mapLength) * entryBytes);
  }

  const int bytes = (depth + 7) / 8;
  if (!rle && width > 0 && height > 0 && uint64_t(width) * uint64_t(height) * uint64_t(bytes) > in.Remaining())
    return Fail(error, "Truncated TGA file");
  if (!CreateChecked(out, width, height, rle, size, "TGA", error)) return false;

  // Pixels arrive in file order; the descriptor's bit 5 says the first row is the top,
  // bit 4 that rows run right to left. The cursor walks the picture in that order.
  const bool topFirst = descriptor & 0x20, rightToLeft = descriptor & 0x10;
  const int step = rightToLeft ? -4 : 4;
  int row = 0, x = 0;
  uint8_t* dst = nullptr;
  auto startRow = [&] {
    dst = out.RowFromBottom(topFirst ? height - 1 - row : row) + (rightToLeft ? 4 * (width - 1) : 0);
    x = 0;
  };
  auto store = [&](uint32_t c) {
    std::memcpy(dst, &c, 4);
    dst += step;
    if (++x == width && ++row < height) startRow();
  };
  auto pixel = [&](const uint8_t* p) { return mapped ? pal[p[0]] : ToBgra(p, bytes, grey); };
  startRow();

  const int64_t total = int64_t(width) * height;
  if (!rle) {
    const uint8_t* s = in.Ptr();
    for (int64_t n = 0; n < total; ++n, s += bytes) store(pixel(s));
  } else {
    // Packets may run on from one row to the next, but not past the picture.
    int64_t n = 0;
    while (n < total) {
      if (in.Remaining() < 1) return out.Release(), Fail(error, "Truncated TGA file");
      const int header = in.U8();
      const int count = (header & 0x7F) + 1;
      if (n + count > total) return out.Release(), Fail(error, "TGA run past the end of the picture");
      if (header & 0x80) {
        if (in.Remaining() < size_t(bytes)) return out.Release(), Fail(error, "Truncated TGA file");
        const uint32_t c = pixel(in.Ptr());
        in.Skip(uint64_t(bytes));
        for (int k = 0; k < count; ++k) store(c);
      } else {
        if (in.Remaining() < size_t(count) * bytes) return out.Release(), Fail(error, "Truncated TGA file");
        for (int k = 0; k < count; ++k) store(pixel(in.Ptr() + size_t(k) * bytes));
        in.Skip(uint64_t(count) * bytes);
      }
      n += count;
    }
  }
  if ((depth == 32 && !mapped) || (mapped && mapEntryBits == 32)) OpaqueWhenAlphaUnused(out);
  return true;
}

}  // namespace tessel::codecs
