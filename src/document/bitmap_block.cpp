#include "document/bitmap_block.h"

#include <zlib.h>

#include <cstring>
#include <new>
#include <vector>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/dib_section.h"
#include "base/user_messages.h"

namespace tessel {

namespace {
constexpr uint32_t kCompressedMarker = 0xFFFFFFFFu;
// zlib cannot expand data by more than about 1032:1, so a packed block of n bytes
// never describes more than this many raw bytes.
constexpr uint64_t kMaxInflateRatio = 1032;
constexpr uint64_t kInflateSlack = 1024;

CDIBSection To32Bits(const CDIBSection& src) {
  CDIBSection out;
  if (!out.Create(src.Width(), src.Height(), 32)) return out;
  const int bpp = src.BytesPerPixel();
  for (int y = 0; y < src.Height(); ++y) {
    const uint8_t* s = src.RowFromBottom(y);
    uint8_t* d = out.RowFromBottom(y);
    for (int x = 0; x < src.Width(); ++x, s += bpp, d += 4) {
      if (bpp == 1) {
        d[0] = d[1] = d[2] = s[0];
      } else {
        d[0] = s[0];
        d[1] = s[1];
        d[2] = s[2];
      }
      d[3] = 255;
    }
  }
  return out;
}

void WriteRaw32(CArchive& ar, const CDIBSection& bitmap, bool compress) {
  const uint32_t rawSize = uint32_t(bitmap.SizeBytes());
  ar.WriteU32(0);
  ar.WriteU32(uint32_t(bitmap.Width()));
  ar.WriteU32(uint32_t(bitmap.Height()));
  if (!compress) {
    ar.WriteU32(rawSize);
    ar.WriteBytes(bitmap.Bits(), rawSize);
    return;
  }
  ar.WriteU32(kCompressedMarker);
  ar.WriteU32(rawSize);
  std::vector<uint8_t> packed;
  try {
    packed.resize(size_t(rawSize) + size_t(rawSize * 0.2) + 12);
  } catch (const std::bad_alloc&) {
    throw CArchiveException("Writing failed - Memory??");
  }
  uLongf packedSize = uLongf(packed.size());
  if (compress2(packed.data(), &packedSize, bitmap.Bits(), rawSize, Z_DEFAULT_COMPRESSION) != Z_OK) {
    // Packing failed: a packed size of 0 says the raw pixels follow instead.
    ar.WriteU32(0);
    ar.WriteBytes(bitmap.Bits(), rawSize);
    return;
  }
  ar.WriteU32(uint32_t(packedSize));
  ar.WriteBytes(packed.data(), packedSize);
}

// Creates a bitmap whose pixel bytes must equal byteCount, or throws.
void CreateChecked(CDIBSection& bitmap, uint32_t width, uint32_t height, uint64_t byteCount) {
  if (!CDIBSection::SizeAllowed(width, height, 32) || uint64_t(width) * height * 4 != byteCount)
    throw CArchiveException("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                            " does not fit its data");
  bitmap.Create(int(width), int(height), 32);
}
}  // namespace

void WriteBitmapBlock(CArchive& ar, const CDIBSection& bitmap, bool compress) {
  if (bitmap.IsEmpty()) {
    ar.WriteU32(1);
    return;
  }
  if (bitmap.BitsPerPixel() != 32) {
    WriteRaw32(ar, To32Bits(bitmap), compress);
    return;
  }
  WriteRaw32(ar, bitmap, compress);
}

void ReadBitmapBlock(CArchive& ar, CDIBSection& bitmap) {
  bitmap.Release();
  if (ar.ReadU32() != 0) return;
  const uint32_t width = ar.ReadU32();
  const uint32_t height = ar.ReadU32();
  const uint32_t size = ar.ReadU32();
  if (size != kCompressedMarker) {
    ar.CheckCount(size, 1);
    if (size == 0 && (width == 0 || height == 0)) return;
    CreateChecked(bitmap, width, height, size);
    ar.ReadBytes(bitmap.Bits(), size);
    return;
  }
  const uint32_t rawSize = ar.ReadU32();
  if (int32_t(rawSize) <= 0) return;
  const uint32_t packedSize = ar.ReadU32();
  if (packedSize == 0) {
    ar.CheckCount(rawSize, 1);
    CreateChecked(bitmap, width, height, rawSize);
    ar.ReadBytes(bitmap.Bits(), rawSize);
    return;
  }
  ar.CheckCount(packedSize, 1);
  if (rawSize > uint64_t(packedSize) * kMaxInflateRatio + kInflateSlack)
    throw CArchiveException("Compressed bitmap claims more pixels than its data can hold");
  CreateChecked(bitmap, width, height, rawSize);
  std::vector<uint8_t> packed(packedSize);
  ar.ReadBytes(packed.data(), packedSize);
  uLongf outSize = rawSize;
  if (uncompress(bitmap.Bits(), &outSize, packed.data(), packedSize) != Z_OK || outSize != rawSize) {
    App().Messages().Message("Uncompression failed ", MsgButtons::kOk);
    std::memset(bitmap.Bits(), 0, bitmap.SizeBytes());
  }
}

}  // namespace tessel
