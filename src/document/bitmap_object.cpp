#include "document/bitmap_object.h"

#include "document/draw_object.h"

namespace tessel {

std::unique_ptr<CDrawObject> MakeBitmapObject(CDIBSection picture) {
  if (picture.IsEmpty() || picture.BitsPerPixel() != 32) return nullptr;
  auto object = std::make_unique<CDrawObject>();
  object->m_type = kTypeBitmap;
  const int w = picture.Width(), h = picture.Height();
  object->m_layer = std::move(picture);
  object->AllocateBitmaps(w, h);
  if (object->m_bitmap.IsEmpty()) return nullptr;
  return object;
}

}  // namespace tessel
