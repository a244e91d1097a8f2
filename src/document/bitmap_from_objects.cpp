#include "document/bitmap_from_objects.h"

#include <algorithm>

#include "document/bitmap_object.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "filters/gaussian_blur.h"
#include "render/objects_to_bitmap.h"

namespace tessel {

namespace {
constexpr int kAlphaByte = 3;
const char* const kShadowName = "Shadow";

// Renders the sources (list order) into a new object's image; null when nothing shows.
CDrawObject* AddPictureObject(CVellumDoc& doc, const std::vector<CDrawObject*>& sources, int margin, CRect* covered) {
  ObjectsToBitmapOptions options;
  options.margin = margin;
  CDIBSection picture;
  *covered = RenderObjectsToBitmap(doc.InListOrder(sources), picture, options, doc);
  if (picture.IsEmpty()) return nullptr;
  CDrawObject* o = doc.NewObject();
  o->m_layer = std::move(picture);
  return o;
}

// Blurs the alpha bytes of a 32-bit picture; the colours stay.
void BlurAlpha(CDIBSection& picture, double radius) {
  CDIBSection plane;
  if (!plane.Create(picture.Width(), picture.Height(), 8)) return;
  for (int y = 0; y < picture.Height(); ++y) {
    const uint8_t* p = picture.RowFromBottom(y) + kAlphaByte;
    uint8_t* a = plane.RowFromBottom(y);
    for (int x = 0; x < picture.Width(); ++x, p += 4) a[x] = *p;
  }
  GaussianBlurPlane(plane.View(), radius, BlurAxes::kBoth);
  for (int y = 0; y < picture.Height(); ++y) {
    uint8_t* p = picture.RowFromBottom(y) + kAlphaByte;
    const uint8_t* a = plane.RowFromBottom(y);
    for (int x = 0; x < picture.Width(); ++x, p += 4) *p = a[x];
  }
}
}  // namespace

CDIBSection FlattenOverColour(const CDIBSection& picture, COLORREF colour) {
  CDIBSection out;
  if (picture.IsEmpty() || picture.BitsPerPixel() != 32 || !out.Create(picture.Width(), picture.Height(), 24))
    return out;
  const int back[3] = {int((colour >> 16) & 0xFF), int((colour >> 8) & 0xFF), int(colour & 0xFF)};  // blue, green, red
  for (int y = 0; y < picture.Height(); ++y) {
    const uint8_t* s = picture.RowFromBottom(y);
    uint8_t* d = out.RowFromBottom(y);
    for (int x = 0; x < picture.Width(); ++x, s += 4, d += 3) {
      const int a = s[kAlphaByte];
      for (int c = 0; c < 3; ++c) d[c] = uint8_t((s[c] * a + back[c] * (255 - a)) / 255);
    }
  }
  return out;
}

CDIBSection PictureOfObjects(CVellumDoc& doc, const std::vector<CDrawObject*>& sources) {
  CDIBSection picture;
  RenderObjectsToBitmap(doc.InListOrder(sources), picture, {}, doc);
  return FlattenOverColour(picture, doc.m_background);
}

CDrawObject* NewBitmapFromObjects(CVellumDoc& doc, const std::vector<CDrawObject*>& sources) {
  CRect covered;
  CDrawObject* o = AddPictureObject(doc, sources, 0, &covered);
  if (!o) return nullptr;
  o->m_name = kConvertedBitmapName;
  ShowLayerAsBitmapObject(*o, covered.left, covered.top);
  return o;
}

CDrawObject* BitmapShadowFromObjects(CVellumDoc& doc, const std::vector<CDrawObject*>& sources) {
  const std::vector<CDrawObject*> ordered = doc.InListOrder(sources);
  CRect covered;
  CDrawObject* o = ordered.empty() ? nullptr : AddPictureObject(doc, ordered, kShadowMargin, &covered);
  if (!o) return nullptr;
  BlurAlpha(o->m_layer, kShadowBlurRadius);
  o->m_name = kShadowName;
  ShowLayerAsBitmapObject(*o, covered.left + kShadowOffset, covered.top + kShadowOffset);
  // The new object is the tail; it moves to just below the lowest source.
  auto lowest = std::find_if(doc.m_objects.begin(), doc.m_objects.end(),
                             [&](const auto& p) { return p.get() == ordered.front(); });
  doc.m_objects.splice(lowest, doc.m_objects, std::prev(doc.m_objects.end()));
  return o;
}

}  // namespace tessel
