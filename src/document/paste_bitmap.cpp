#include "document/paste_bitmap.h"

#include "document/bitmap_from_objects.h"
#include "document/bitmap_object.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/objects_to_bitmap.h"

namespace tessel {

namespace {
// A 32-bit copy of a 24- or 32-bit picture (24-bit pixels become opaque).
CDIBSection To32Bits(const CDIBSection& image) {
  if (image.BitsPerPixel() == 32) return image.Clone();
  CDIBSection out;
  if (image.BitsPerPixel() != 24 || !out.Create(image.Width(), image.Height(), 32)) return out;
  for (int y = 0; y < image.Height(); ++y) {
    const uint8_t* s = image.RowFromBottom(y);
    uint8_t* d = out.RowFromBottom(y);
    for (int x = 0; x < image.Width(); ++x, s += 3, d += 4) d[0] = s[0], d[1] = s[1], d[2] = s[2], d[3] = 255;
  }
  return out;
}
}  // namespace

CDrawObject* PasteAsBitmap(CVellumDoc& doc, const std::vector<CDrawObject*>& pasted) {
  CDIBSection picture;
  const CRect covered = RenderObjectsToBitmap(pasted, picture, {}, doc);
  if (picture.IsEmpty()) return nullptr;
  CDrawObject* o = doc.NewObject();
  o->m_layer = std::move(picture);
  o->m_name = kConvertedBitmapName;
  const bool beyond = covered.left >= doc.m_width || covered.top >= doc.m_height;
  ShowLayerAsBitmapObject(*o, beyond ? 0 : covered.left, beyond ? 0 : covered.top);
  return o;
}

bool PasteImageInside(CDrawObject& target, const CDIBSection& image) {
  CDIBSection layer = To32Bits(image);
  if (layer.IsEmpty()) return false;
  target.m_layer = std::move(layer);
  target.m_imageWidth = target.m_layer.Width();
  target.m_imageHeight = target.m_layer.Height();
  target.RenderObject(false, nullptr);
  return true;
}

bool PasteObjectsInside(CDrawObject& target, const std::vector<CDrawObject*>& pasted, const CVellumDoc& doc) {
  CDIBSection picture;
  if (pasted.size() == 1 && pasted.front()->IsBitmap())
    picture = pasted.front()->m_layer.Clone();
  else
    RenderObjectsToBitmap(pasted, picture, {}, doc);
  return PasteImageInside(target, picture);
}

}  // namespace tessel
