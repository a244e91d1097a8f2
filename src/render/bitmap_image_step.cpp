#include "render/bitmap_image_step.h"

#include <algorithm>
#include <cmath>

#include "document/draw_object.h"
#include "render/coverage_mask.h"

namespace tessel {

void ApplyBitmapImage(CDrawObject& o, CCoverageMask& mask) {
  const CDIBSection& image = o.m_layer;
  CDIBSection& out = o.m_bitmap;
  mask.Reset(out.Width(), out.Height(), 0);
  if (image.IsEmpty() || image.BitsPerPixel() != 32) {
    std::fill(out.Bits(), out.Bits() + out.SizeBytes(), uint8_t(0));
    return;
  }
  const int iw = image.Width(), ih = image.Height(), w = out.Width(), h = out.Height();
  const double sx = double(iw) / w, sy = double(ih) / h;
  for (int y = 0; y < h; ++y) {
    // Pixel centres of the box map onto the image's pixel centres.
    const double fy = std::clamp((y + 0.5) * sy - 0.5, 0.0, double(ih - 1));
    const int y0 = int(fy), y1 = std::min(y0 + 1, ih - 1);
    const double wy = fy - y0;
    const uint8_t* r0 = image.RowFromTop(y0);
    const uint8_t* r1 = image.RowFromTop(y1);
    uint8_t* d = out.RowFromTop(y);
    uint8_t* m = mask.Row(y);
    for (int x = 0; x < w; ++x, d += 4) {
      const double fx = std::clamp((x + 0.5) * sx - 0.5, 0.0, double(iw - 1));
      const int x0 = int(fx), x1 = std::min(x0 + 1, iw - 1);
      const double wx = fx - x0;
      for (int c = 0; c < 4; ++c) {
        const double top = r0[4 * x0 + c] * (1 - wx) + r0[4 * x1 + c] * wx;
        const double bottom = r1[4 * x0 + c] * (1 - wx) + r1[4 * x1 + c] * wx;
        d[c] = uint8_t(top * (1 - wy) + bottom * wy + 0.5);
      }
      m[x] = d[3];
    }
  }
}

}  // namespace tessel
