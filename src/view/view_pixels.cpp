#include "view/view_pixels.h"

#include <algorithm>
#include <cstring>

#include "base/dib_section.h"
#include "base/program_constants.h"

namespace tessel {

CRect Intersect(const CRect& a, const CRect& b) {
  const CRect r = {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                   std::min(a.bottom, b.bottom)};
  return r.IsEmpty() ? CRect{} : r;
}

bool Covers(const CRect& outer, const CRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

void FillDocumentRect(CDIBSection& buffer, const CRect& bufferRect, const CRect& documentRect, uint32_t colour) {
  const CRect r = Intersect(documentRect, bufferRect);
  if (r.IsEmpty() || buffer.BitsPerPixel() != 32) return;
  uint8_t pixel[4];
  pixel[kRed] = uint8_t(colour), pixel[kGreen] = uint8_t(colour >> 8), pixel[kBlue] = uint8_t(colour >> 16);
  pixel[kAlpha] = 255;
  for (int y = r.top; y < r.bottom; ++y) {
    uint8_t* p = buffer.RowFromTop(y - bufferRect.top) + 4 * (r.left - bufferRect.left);
    for (int x = r.left; x < r.right; ++x, p += 4) std::memcpy(p, pixel, 4);
  }
}

void DrawPicture(CDIBSection& buffer, const CRect& bufferRect, const CDIBSection& picture, int x, int y,
                 const CRect& clip, int mix) {
  const int bpp = picture.BytesPerPixel();
  if (picture.IsEmpty() || (bpp != 3 && bpp != 4) || buffer.BitsPerPixel() != 32) return;
  const CRect place = {x, y, x + picture.Width(), y + picture.Height()};
  const CRect r = Intersect(Intersect(place, clip), bufferRect);
  if (r.IsEmpty()) return;
  for (int row = r.top; row < r.bottom; ++row) {
    const uint8_t* src = picture.RowFromTop(row - y) + bpp * (r.left - x);
    uint8_t* dst = buffer.RowFromTop(row - bufferRect.top) + 4 * (r.left - bufferRect.left);
    for (int col = r.left; col < r.right; ++col, src += bpp, dst += 4) {
      for (int c = 0; c < 3; ++c) dst[c] = uint8_t((src[c] * mix + dst[c] * (255 - mix)) / 255);
      dst[kAlpha] = 255;
    }
  }
}

void CopyDocumentPixels(CDIBSection& target, const CRect& targetRect, const CDIBSection& source,
                        const CRect& sourceRect, const CRect& limit) {
  CRect r = Intersect(targetRect, sourceRect);
  if (!limit.IsEmpty()) r = Intersect(r, limit);
  if (r.IsEmpty() || target.BitsPerPixel() != 32 || source.BitsPerPixel() != 32) return;
  const size_t bytes = size_t(r.Width()) * 4;
  for (int y = r.top; y < r.bottom; ++y)
    std::memcpy(target.RowFromTop(y - targetRect.top) + 4 * (r.left - targetRect.left),
                source.RowFromTop(y - sourceRect.top) + 4 * (r.left - sourceRect.left), bytes);
}

}  // namespace tessel
