#include "render/lens_environment.h"

#include "document/draw_object.h"
#include "render/lens.h"

namespace tessel {

bool ApplyLensEnvironment(CDrawObject& o) {
  if ((o.m_effect != kLensThickBorder && o.m_effect != kLensThickCenter) || o.m_bitmap.IsEmpty()) return false;
  // The lens looks at a copy of the object's own picture, laid exactly under its box.
  const CDIBSection picture = o.m_bitmap.Clone();
  CLensInput in;
  in.source = &picture;
  in.left = o.m_left;
  in.top = o.m_top;
  in.canvasWidth = o.m_left + picture.Width();
  in.canvasHeight = o.m_top + picture.Height();
  in.anyPosition = true;
  CDIBSection bent;
  if (!RenderLensImage(o, in, bent) || bent.Width() != picture.Width() || bent.Height() != picture.Height())
    return false;
  for (int y = 0; y < bent.Height(); ++y) {
    const uint8_t* from = bent.RowFromBottom(y);
    uint8_t* to = o.m_bitmap.RowFromBottom(y);
    for (int x = 0; x < bent.Width(); ++x, from += 4, to += 4) to[0] = from[0], to[1] = from[1], to[2] = from[2];
  }
  return true;
}

}  // namespace tessel
