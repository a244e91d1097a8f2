#include "render/bitmap_image_step.h"

#include <algorithm>

#include "document/draw_object.h"
#include "render/bilinear_resize.h"
#include "render/coverage_mask.h"
#include "render/image_warp.h"

namespace tessel {

void ApplyBitmapImage(CDrawObject& o, CCoverageMask& mask) {
  const CDIBSection& image = o.m_layer;
  CDIBSection& out = o.m_bitmap;
  mask.Reset(out.Width(), out.Height(), 0);
  if (image.IsEmpty() || image.BitsPerPixel() != 32) {
    std::fill(out.Bits(), out.Bits() + out.SizeBytes(), uint8_t(0));
    return;
  }
  constexpr int kFullTurn = 360;
  if (o.m_bitmapAngle % kFullTurn == 0) {
    ResizeBilinear32(image, out);
  } else {
    WarpBilinear32(image, out,
                   TurnedPictureMap(image.Width(), image.Height(), out.Width(), out.Height(), o.m_bitmapAngle));
  }
  for (int y = 0; y < out.Height(); ++y) {
    const uint8_t* d = out.RowFromTop(y) + 3;
    uint8_t* m = mask.Row(y);
    for (int x = 0; x < out.Width(); ++x, d += 4) m[x] = *d;
  }
}

}  // namespace tessel
