#include "render/painted_layers.h"

#include "document/draw_object.h"
#include "render/bilinear_resize.h"
#include "render/coverage_mask.h"

namespace tessel {

namespace {
// The layer at the box size: itself when it fits, else a resampled copy in scratch.
const CDIBSection* AtBoxSize(const CDIBSection& layer, int width, int height, CDIBSection& scratch) {
  if (layer.IsEmpty() || layer.BitsPerPixel() != 32) return nullptr;
  if (layer.Width() == width && layer.Height() == height) return &layer;
  if (!scratch.Create(width, height, 32)) return nullptr;
  ResizeBilinear32(layer, scratch);
  return &scratch;
}
}  // namespace

void ApplyBitmapLayer(CDrawObject& o, const CCoverageMask& mask) {
  CDIBSection& bitmap = o.m_bitmap;
  if (bitmap.Width() != mask.width || bitmap.Height() != mask.height) return;
  CDIBSection scratch;
  const CDIBSection* layer = AtBoxSize(o.m_layer, bitmap.Width(), bitmap.Height(), scratch);
  if (!layer) return;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint8_t* l = layer->RowFromTop(y);
    const uint8_t* m = mask.Row(y);
    uint8_t* p = bitmap.RowFromTop(y);
    for (int x = 0; x < bitmap.Width(); ++x, l += 4, p += 4) {
      const int a = l[3] * m[x] / 255;
      if (a == 0) continue;
      for (int c = 0; c < 3; ++c) p[c] = uint8_t((p[c] * (255 - a) + l[c] * a) / 255);
    }
  }
}

void ApplyPaintedTransparency(CDrawObject& o) {
  CDIBSection& bitmap = o.m_bitmap;
  if (bitmap.Width() != o.m_width || bitmap.Height() != o.m_height) return;
  CDIBSection scratch;
  const CDIBSection* transp = AtBoxSize(o.m_paintTransp, bitmap.Width(), bitmap.Height(), scratch);
  if (!transp) return;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint8_t* t = transp->RowFromTop(y) + 3;
    uint8_t* a = bitmap.RowFromTop(y) + 3;
    for (int x = 0; x < bitmap.Width(); ++x, t += 4, a += 4) *a = uint8_t(*a * *t / 255);
  }
}

}  // namespace tessel
