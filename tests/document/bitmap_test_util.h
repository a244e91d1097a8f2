// Bitmap objects for the tests of the canvas and bitmap commands.
#pragma once

#include "document/bitmap_object.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"

namespace tessel::testing {

// An opaque bitmap object (red 200) of the given size at (left, top), on top of the
// document. Its visible rectangle is its box.
inline CDrawObject* AddBitmap(CVellumDoc& doc, int left, int top, int width, int height) {
  CDrawObject* o = doc.NewObject();
  o->m_layer.Create(width, height, 32);
  for (size_t i = 3; i < o->m_layer.SizeBytes(); i += 4) o->m_layer.Bits()[i - 1] = 200, o->m_layer.Bits()[i] = 255;
  ShowLayerAsBitmapObject(*o, left, top);
  return o;
}

// The rendered alpha of an object at a canvas pixel (0 outside its box).
inline int AlphaAt(const CDrawObject& o, int x, int y) {
  const int bx = x - o.m_left, by = y - o.m_top;
  if (bx < 0 || by < 0 || bx >= o.m_bitmap.Width() || by >= o.m_bitmap.Height()) return 0;
  return o.m_bitmap.RowFromTop(by)[bx * 4 + 3];
}

}  // namespace tessel::testing
