// Photoshop PSD: the merged picture at the end of the file (the layers are skipped),
// RGB and greyscale at 8 bits per channel, raw or PackBits RLE; the channel after the
// colour channels, when present, is alpha (the white matte Photoshop puts under partly
// transparent pixels is taken out).
#include <algorithm>
#include <cstring>
#include <vector>

#include "base/dib_section.h"
#include "codecs/byte_reader.h"
#include "codecs/format_readers.h"

namespace tessel::codecs {

namespace {

enum { kModeGrey = 1, kModeRgb = 3 };

// Unpacks one PackBits row of exactly `width` bytes from [s, s + n). False when the
// row is damaged: a run past the row, or data too short for it.
bool UnpackRow(const uint8_t* s, size_t n, uint8_t* dst, size_t width) {
  const uint8_t* end = s + n;
  size_t filled = 0;
  while (filled < width) {
    if (s == end) return false;
    const int c = int8_t(*s++);
    if (c >= 0) {  // c + 1 bytes as they are
      const size_t len = size_t(c) + 1;
      if (len > size_t(end - s) || len > width - filled) return false;
      std::memcpy(dst + filled, s, len);
      s += len;
      filled += len;
    } else if (c != -128) {  // one byte repeated 1 - c times
      const size_t len = size_t(1 - c);
      if (s == end || len > width - filled) return false;
      std::memset(dst + filled, *s++, len);
      filled += len;
    }
  }
  return true;
}

}  // namespace

bool ReadPsd(const uint8_t* data, size_t size, CDIBSection& out, std::string* error) {
  CByteReader in(data, size);
  in.Skip(4);
  const int version = in.U16BE();
  in.Skip(6);
  const int channels = in.U16BE();
  const uint32_t height = in.U32BE(), width = in.U32BE();
  const int depth = in.U16BE(), mode = in.U16BE();
  if (!in.Ok()) return Fail(error, "Truncated PSD file");
  if (version != 1) return Fail(error, "Unsupported PSD version " + std::to_string(version));
  if (depth != 8 || (mode != kModeGrey && mode != kModeRgb))
    return Fail(error, "Unsupported PSD file of mode " + std::to_string(mode) + " at " + std::to_string(depth) + " bits");
  const int colours = mode == kModeRgb ? 3 : 1;
  if (channels < colours || channels > 56) return Fail(error, "Invalid PSD channel count " + std::to_string(channels));
  // Colour mode data, image resources, layers and masks: each a length and its bytes.
  for (int section = 0; section < 3; ++section) {
    const uint32_t length = in.U32BE();
    if (!in.Skip(length)) return Fail(error, "Truncated PSD file");
  }
  const int compression = in.U16BE();
  if (!in.Ok()) return Fail(error, "Truncated PSD file");
  if (compression > 1) return Fail(error, "Unsupported PSD compression " + std::to_string(compression));
  const std::string sizeText = std::to_string(width) + " x " + std::to_string(height);
  if (width == 0 || height == 0) return Fail(error, "Invalid PSD picture size " + sizeText);
  if (!CDIBSection::SizeAllowed(width, height, 32)) return Fail(error, "PSD picture too large: " + sizeText);

  const int used = std::min(channels, colours + 1);  // colour channels and alpha
  const uint64_t planeRows = uint64_t(channels) * height;
  // Where each row of each used channel starts, and its length.
  std::vector<size_t> rowStart(size_t(used) * height), rowLength(size_t(used) * height);
  if (compression == 0) {
    if (uint64_t(width) * planeRows > in.Remaining()) return Fail(error, "Truncated PSD file");
    for (size_t i = 0; i < rowStart.size(); ++i) rowStart[i] = in.Pos() + i * width, rowLength[i] = width;
  } else {
    if (planeRows * 2 > in.Remaining()) return Fail(error, "Truncated PSD file");
    const uint8_t* counts = in.Ptr();
    size_t pos = in.Pos() + size_t(planeRows) * 2;
    for (size_t i = 0; i < planeRows; ++i) {
      const size_t n = size_t(counts[2 * i] << 8 | counts[2 * i + 1]);
      if (n > size - pos) return Fail(error, "Truncated PSD file");
      if (i < rowStart.size()) rowStart[i] = pos, rowLength[i] = n;
      pos += n;
    }
  }
  if (!CreateChecked(out, width, height, compression == 1, size, "PSD", error)) return false;

  // BGRA byte that each used channel fills: red, green, blue, alpha or grey, alpha.
  const int rgbTarget[4] = {2, 1, 0, 3};
  std::vector<uint8_t> row(width);
  for (int c = 0; c < used; ++c) {
    const bool alpha = c == colours;
    for (uint32_t y = 0; y < height; ++y) {
      const size_t i = size_t(c) * height + y;
      const uint8_t* src = data + rowStart[i];
      if (compression == 1) {
        if (!UnpackRow(src, rowLength[i], row.data(), width))
          return out.Release(), Fail(error, "Damaged PSD row " + std::to_string(y) + " of channel " + std::to_string(c));
        src = row.data();
      }
      uint8_t* d = out.RowFromTop(int(y));
      if (mode == kModeRgb || alpha) {
        uint8_t* t = d + (alpha ? 3 : rgbTarget[c]);
        for (uint32_t x = 0; x < width; ++x, t += 4) *t = src[x];
      } else {
        for (uint32_t x = 0; x < width; ++x, d += 4) d[0] = d[1] = d[2] = src[x];
      }
      if (c == 0 && used == colours) {  // no alpha channel: opaque
        uint8_t* a = out.RowFromTop(int(y)) + 3;
        for (uint32_t x = 0; x < width; ++x, a += 4) *a = 255;
      }
    }
  }
  // Photoshop mattes the merged picture with white where it is partly transparent:
  // c = a * colour + (1 - a) * 255. Undo it.
  if (used > colours) {
    for (uint32_t y = 0; y < height; ++y) {
      uint8_t* p = out.RowFromBottom(int(y));
      for (uint32_t x = 0; x < width; ++x, p += 4) {
        const int a = p[3];
        if (a == 255) continue;
        if (a == 0) {
          p[0] = p[1] = p[2] = 0;
          continue;
        }
        for (int k = 0; k < 3; ++k) p[k] = uint8_t(std::max(0, 255 - ((255 - p[k]) * 255 + a / 2) / a));
      }
    }
  }
  return true;
}

}  // namespace tessel::codecs
