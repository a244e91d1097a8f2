#include "paint/brush_images.h"

#include <algorithm>

#include "base/dib_section.h"
#include "base/program_constants.h"
#include "codecs/image_reader.h"
#include "filters/bitmap_object_filter.h"
#include "paint/brush.h"
#include "paint/brush_bitmaps.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {

bool IsFullyOpaque(const CDIBSection& picture) {
  for (int y = 0; y < picture.Height(); ++y) {
    const uint8_t* p = picture.RowFromBottom(y);
    for (int x = 0; x < picture.Width(); ++x)
      if (p[x * 4 + kAlpha] != 255) return false;
  }
  return true;
}

bool ReadPicture(const std::string& path, CDIBSection& out, std::string* error) {
  return ReadImageFile(path, out, error) && out.BitsPerPixel() == 32;
}

}  // namespace

bool LoadBrushImage(CBrush& brush, const CDIBSection& picture) {
  if (picture.IsEmpty() || picture.BitsPerPixel() != 32) return false;
  CDIBSection dab = picture.Clone();
  const bool sameSize = dab.Width() == brush.m_dab.Width() && dab.Height() == brush.m_dab.Height();
  if (sameSize && IsFullyOpaque(dab)) {
    for (int y = 0; y < dab.Height(); ++y) {
      const uint8_t* s = brush.m_dab.RowFromBottom(y);
      uint8_t* d = dab.RowFromBottom(y);
      for (int x = 0; x < dab.Width(); ++x) d[x * 4 + kAlpha] = s[x * 4 + kAlpha];
    }
  }
  brush.m_dab = std::move(dab);
  return true;
}

bool LoadBrushImageFile(CBrush& brush, const std::string& path, std::string* error) {
  CDIBSection picture;
  return ReadPicture(path, picture, error) && LoadBrushImage(brush, picture);
}

bool LoadBrushMask(CBrush& brush, const CDIBSection& picture, bool negative) {
  if (picture.IsEmpty() || picture.BitsPerPixel() != 32) return false;
  CDIBSection dab;
  CDIBSection mask;
  if (brush.m_dab.IsEmpty()) {
    if (!dab.Create(picture.Width(), picture.Height(), 32)) return false;  // black, alpha set below
    mask = picture.Clone();
  } else {
    dab = brush.m_dab.Clone();
    mask = ResamplePicture(picture, dab.Width(), dab.Height());
    if (mask.IsEmpty()) return false;
  }
  for (int y = 0; y < dab.Height(); ++y) {
    const uint8_t* m = mask.RowFromBottom(y);
    uint8_t* d = dab.RowFromBottom(y);
    for (int x = 0; x < dab.Width(); ++x, m += 4) {
      const int grey = px::LumaOf(m[kRed], m[kGreen], m[kBlue]);
      d[x * 4 + kAlpha] = uint8_t(negative ? 255 - grey : grey);
    }
  }
  brush.m_dab = std::move(dab);
  return true;
}

bool LoadBrushMaskFile(CBrush& brush, const std::string& path, bool negative, std::string* error) {
  CDIBSection picture;
  return ReadPicture(path, picture, error) && LoadBrushMask(brush, picture, negative);
}

bool LoadBrushPreview(CBrush& brush, const CDIBSection& picture) {
  CDIBSection preview = ResamplePicture(picture, kLibraryPreviewSide, kLibraryPreviewSide);
  if (preview.IsEmpty()) return false;
  brush.m_preview = std::move(preview);
  return true;
}

bool PasteBrushPreview(CBrush& brush, const CDIBSection& picture) {
  if (picture.Width() >= kMaxPastedPreviewSide || picture.Height() >= kMaxPastedPreviewSide) return false;
  return LoadBrushPreview(brush, picture);
}

void ApplyHoseFrames(CBrush& brush) {
  int w = 0, h = 0;
  for (const CDIBSection& f : brush.m_hoseFrames) {
    w = std::max(w, f.Width());
    h = std::max(h, f.Height());
  }
  if (brush.m_hoseFrames.empty() || w == 0 || h == 0) {
    brush.m_dab = CentreOnCanvas(CDIBSection(), kLibraryPreviewSide, kLibraryPreviewSide);
    return;
  }
  brush.m_dab = CentreOnCanvas(brush.m_hoseFrames.front(), w, h);
}

}  // namespace tessel
