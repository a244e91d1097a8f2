#include "render/objects_to_bitmap.h"

#include "base/dib_section.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"

namespace tessel {

namespace {
void Fill(CDIBSection& bitmap, uint32_t argb) {
  const uint8_t pixel[4] = {uint8_t(argb), uint8_t(argb >> 8), uint8_t(argb >> 16), uint8_t(argb >> 24)};
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.RowFromBottom(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 4) p[0] = pixel[0], p[1] = pixel[1], p[2] = pixel[2], p[3] = pixel[3];
  }
}
}  // namespace

CRect RenderObjectsToBitmap(const std::vector<CDrawObject*>& objects, CDIBSection& dest,
                            const ObjectsToBitmapOptions& options, const CVellumDoc& doc) {
  CRect united;
  for (const CDrawObject* o : objects) united = united.Union(EffectRect(*o));
  if (united.Width() < 1 || united.Height() < 1) return united;
  united = united.Inflated(options.margin);
  const CRect covered = options.wholeCanvas ? CRect{0, 0, doc.m_width, doc.m_height} : united;
  if (!dest.Create(covered.Width(), covered.Height(), 32)) return covered;
  Fill(dest, options.fill == kDocumentDefaultFill ? 0u : uint32_t(options.fill));

  // The composite adds coverage into the picture's alpha, so the result keeps the
  // objects' own transparency for the later placement of the picture.
  CompositeOptions composite;
  composite.transparent = true;
  composite.lensesOff = true;
  if (!options.wholeCanvas && !options.canvasOrigin) {
    composite.originX = covered.left;
    composite.originY = covered.top;
  }
  for (CDrawObject* o : objects) DrawObject(dest, *o, composite);
  return covered;
}

}  // namespace tessel
