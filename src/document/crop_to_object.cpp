#include "document/crop_to_object.h"

#include <cmath>
#include <utility>

#include "document/draw_object.h"
#include "document/vellum_doc.h"

namespace tessel {

const char* const kCropBottomMustBeBitmap = "The bottom object must be the Bitmap object you want to crop";

namespace {
constexpr int kAlphaByte = 3;

// The alpha of the top object's rendered bitmap at a canvas pixel, 0 outside its box.
int CoverageAt(const CDrawObject& shape, int x, int y) {
  const CDIBSection& bitmap = shape.m_bitmap;
  const int bx = x - shape.m_left, by = y - shape.m_top;
  if (bitmap.IsEmpty() || bx < 0 || by < 0 || bx >= bitmap.Width() || by >= bitmap.Height()) return 0;
  return bitmap.RowFromTop(by)[bx * 4 + kAlphaByte];
}

// Multiplies the alpha of every image pixel by the coverage under the pixel's centre.
// The image fills the object's box, so image pixel (ix, iy) lies at
// left + (ix + 0.5) * box width / image width on the canvas (and so for y).
void CutImage(CDrawObject& picture, const CDrawObject& shape) {
  CDIBSection& image = picture.m_layer;
  if (image.IsEmpty() || image.BitsPerPixel() != 32) return;
  const double sx = double(picture.m_width) / image.Width();
  const double sy = double(picture.m_height) / image.Height();
  for (int iy = 0; iy < image.Height(); ++iy) {
    const int y = picture.m_top + int(std::floor((iy + 0.5) * sy));
    uint8_t* p = image.RowFromTop(iy);
    for (int ix = 0; ix < image.Width(); ++ix, p += 4) {
      const int x = picture.m_left + int(std::floor((ix + 0.5) * sx));
      p[kAlphaByte] = uint8_t(p[kAlphaByte] * CoverageAt(shape, x, y) / 255);
    }
  }
}
}  // namespace

std::string CropToObject(CVellumDoc& doc, CDrawObject* first, CDrawObject* second, CDrawObject** bottom) {
  if (!first || !second || first == second) return "";
  const int firstAt = doc.Position(first), secondAt = doc.Position(second);
  if (firstAt < 0 || secondAt < 0) return "";
  if (secondAt < firstAt) std::swap(first, second);
  CDrawObject& picture = *first;
  CDrawObject& shape = *second;
  if (!picture.IsBitmap()) return kCropBottomMustBeBitmap;

  // The shape's own transparency map must not thin the cut.
  shape.m_transpAmount = 0;
  shape.RenderObject(false, nullptr);
  CutImage(picture, shape);
  picture.RenderObject(false, nullptr);
  doc.RemoveObject(&shape);
  doc.ValidateGroups();
  doc.m_modified = true;
  if (bottom) *bottom = &picture;
  return "";
}

}  // namespace tessel
