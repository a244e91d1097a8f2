#include "document/bitmap_object.h"

#include "document/draw_object.h"

namespace tessel {

void MakeBitmapObject(CDrawObject& o, int left, int top) {
  o.m_type = kTypeBitmap;
  o.m_imageWidth = o.m_layer.Width();
  o.m_imageHeight = o.m_layer.Height();
  o.m_left = left;
  o.m_top = top;
  o.AllocateBitmaps(o.m_layer.Width(), o.m_layer.Height());
}

}  // namespace tessel
