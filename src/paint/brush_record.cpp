#include "paint/brush_record.h"

#include <cstdint>

#include "base/dib_section.h"

namespace tessel {

void WriteBitmapRecord(CArchive& ar, const CDIBSection& bitmap) {
  if (bitmap.IsEmpty() || bitmap.BitsPerPixel() != 32) {
    ar.WriteU32(1);
    return;
  }
  const uint32_t w = uint32_t(bitmap.Width()), h = uint32_t(bitmap.Height());
  ar.WriteU32(0);
  ar.WriteU32(w);
  ar.WriteU32(h);
  ar.WriteU32(w * h * 4);
  // 32-bit rows have no padding, so the buffer is the record's pixel block.
  ar.WriteBytes(bitmap.Bits(), bitmap.SizeBytes());
}

void ReadBitmapRecord(CArchive& ar, CDIBSection& out) {
  const uint32_t empty = ar.ReadU32();
  if (empty != 0) {
    out.Release();
    return;
  }
  const uint32_t w = ar.ReadU32();
  const uint32_t h = ar.ReadU32();
  const uint32_t count = ar.ReadU32();
  if (w == 0 || h == 0 || w > uint32_t(kMaxBrushBitmapSide) || h > uint32_t(kMaxBrushBitmapSide) ||
      uint64_t(count) != uint64_t(w) * h * 4)
    throw CBrushDataError(kCorruptedDataMsg);
  if (ar.Remaining() < count) throw CBrushDataError(kBitmapReadErrorMsg);
  CDIBSection bitmap;
  if (!bitmap.Create(int(w), int(h), 32)) throw CBrushDataError(kCorruptedDataMsg);
  ar.ReadBytes(bitmap.Bits(), count);
  out = std::move(bitmap);
}

}  // namespace tessel
