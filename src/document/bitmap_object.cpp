#include "document/bitmap_object.h"

#include "document/draw_object.h"

namespace tessel {

std::unique_ptr<CDrawObject> MakeBitmapObject(CDIBSection picture) {
  if (picture.IsEmpty() || picture.BitsPerPixel() != 32) return nullptr;
  auto object = std::make_unique<CDrawObject>();
  object->m_layer = std::move(picture);
  ShowLayerAsBitmapObject(*object, 0, 0);
  if (object->m_bitmap.IsEmpty()) return nullptr;
  return object;
}

void ShowLayerAsBitmapObject(CDrawObject& o, int left, int top) {
  o.m_type = kTypeBitmap;
  o.m_imageWidth = o.m_layer.Width();
  o.m_imageHeight = o.m_layer.Height();
  o.m_left = left;
  o.m_top = top;
  o.AllocateBitmaps(o.m_layer.Width(), o.m_layer.Height());
}

}  // namespace tessel
