// "Linear Wash": the colour fades linearly towards white across the shape, like a wash
// of watercolour thinning out. The position t of a pixel along the light angle is
// measured over the covered pixels, 0 at the one furthest from the light and 1 at the
// nearest, and every colour channel becomes c + (255 − c) · t · depth / 100.
#include <algorithm>
#include <limits>

#include "document/draw_object.h"
#include "render/bevel_kinds.h"
#include "render/coverage_mask.h"
#include "render/pixel_math.h"

namespace tessel {

bool WashBevel(CDrawObject& o, const CCoverageMask& mask) {
  const int w = o.m_width, h = o.m_height;
  const CPlaneDir dir = TowardLight(o.m_bevelParam2);
  double lo = std::numeric_limits<double>::max(), hi = std::numeric_limits<double>::lowest();
  for (int y = 0; y < h; ++y) {
    const uint8_t* m = mask.Row(y);
    for (int x = 0; x < w; ++x)
      if (m[x] > 0) {
        const double d = x * dir.x + y * dir.y;
        lo = std::min(lo, d), hi = std::max(hi, d);
      }
  }
  if (lo > hi) return true;  // nothing covered
  const double strength = BevelStrength(o);
  const double span = std::max(hi - lo, 1.0);
  for (int y = 0; y < h; ++y) {
    uint8_t* p = o.m_bitmap.RowFromTop(y);
    const uint8_t* m = mask.Row(y);
    for (int x = 0; x < w; ++x, p += 4) {
      if (m[x] == 0) continue;
      const double t = std::clamp((x * dir.x + y * dir.y - lo) / span, 0.0, 1.0) * strength;
      for (int c = 0; c < 3; ++c) p[c] = uint8_t(px::TruncClamp255(p[c] + (255 - p[c]) * t));
    }
  }
  return true;
}

}  // namespace tessel
