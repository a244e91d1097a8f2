#include "paint/brush_bitmaps.h"

#include <algorithm>
#include <cstring>

#include "base/program_constants.h"
#include "filters/bitmap_object_filter.h"
#include "render/pixel_math.h"

namespace tessel {

CRect AlphaBounds(const CDIBSection& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  CRect box{w, h, -1, -1};
  for (int y = 0; y < h; ++y) {
    const uint8_t* p = bitmap.RowFromBottom(y);
    for (int x = 0; x < w; ++x) {
      if (p[x * 4 + kAlpha] == 0) continue;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
    }
  }
  if (box.right < 0) return {};
  // One pixel of room on every side; right and bottom become exclusive.
  return {std::max(0, box.left - 1), std::max(0, box.top - 1), std::min(w, box.right + 2), std::min(h, box.bottom + 2)};
}

CDIBSection CropBitmap(const CDIBSection& bitmap, const CRect& box) {
  CDIBSection out;
  if (box.IsEmpty() || !out.Create(box.Width(), box.Height(), 32)) return out;
  for (int y = 0; y < box.Height(); ++y)
    std::memcpy(out.RowFromBottom(y), bitmap.RowFromBottom(box.top + y) + box.left * 4, size_t(box.Width()) * 4);
  return out;
}

void TrimToAlpha(CDIBSection& bitmap) {
  if (bitmap.IsEmpty() || bitmap.BitsPerPixel() != 32) return;
  const CRect box = AlphaBounds(bitmap);
  if (box.IsEmpty() || (box.Width() == bitmap.Width() && box.Height() == bitmap.Height())) return;
  bitmap = CropBitmap(bitmap, box);
}

CDIBSection MakeImagePreview(const CDIBSection& dab, int side, bool overlay, uint32_t colorref) {
  CDIBSection preview;
  if (dab.IsEmpty()) {
    if (preview.Create(side, side, 32)) std::memset(preview.Bits(), 255, preview.SizeBytes());
    return preview;
  }
  const int w = dab.Width(), h = dab.Height();
  if (w > side || h > side) {
    const int sq = std::min(w, h);
    preview = ResamplePicture(CropBitmap(dab, {(w - sq) / 2, (h - sq) / 2, (w - sq) / 2 + sq, (h - sq) / 2 + sq}),
                              side, side);
  } else {
    preview = ResamplePicture(dab, side, side);
  }
  if (preview.IsEmpty()) return preview;
  const int ink[3] = {int((colorref >> 16) & 255), int((colorref >> 8) & 255), int(colorref & 255)};
  for (int y = 0; y < side; ++y) {
    uint8_t* p = preview.RowFromBottom(y);
    for (int x = 0; x < side; ++x, p += 4) {
      const int a = p[kAlpha];
      for (int c = 0; c < 3; ++c) p[c] = uint8_t(px::Mix255(255, overlay ? ink[c] : p[c], a));
      p[kAlpha] = 255;
    }
  }
  return preview;
}

CDIBSection CentreOnCanvas(const CDIBSection& bitmap, int width, int height) {
  CDIBSection out;
  if (!out.Create(width, height, 32) || bitmap.IsEmpty()) return out;
  const int dx = (width - bitmap.Width()) / 2, dy = (height - bitmap.Height()) / 2;
  for (int y = std::max(0, dy); y < std::min(height, dy + bitmap.Height()); ++y) {
    const int x0 = std::max(0, dx), x1 = std::min(width, dx + bitmap.Width());
    std::memcpy(out.RowFromBottom(y) + x0 * 4, bitmap.RowFromBottom(y - dy) + (x0 - dx) * 4, size_t(x1 - x0) * 4);
  }
  return out;
}

}  // namespace tessel
