// ApplyBevel: one switch over the bevel kinds; the routines live in one file per family.
#include "render/bevel.h"

#include <algorithm>
#include <cmath>

#include "document/draw_object.h"
#include "render/bevel_kinds.h"
#include "render/coverage_mask.h"
#include "render/emboss.h"
#include "render/pixel_math.h"

namespace tessel {

bool BevelSizesMatch(const CDrawObject& o, const CCoverageMask& mask) {
  const int w = o.m_width, h = o.m_height;
  return !o.m_bitmap.IsEmpty() && o.m_bitmap.BitsPerPixel() == 32 && o.m_bitmap.Width() == w &&
         o.m_bitmap.Height() == h && mask.width == w && mask.height == h &&
         mask.bytes.size() == size_t(w) * size_t(h);
}

CPlaneDir TowardLight(double degrees) {
  const double a = degrees * px::kDegToRad;
  return {std::cos(a), -std::sin(a)};
}

double BevelStrength(const CDrawObject& o) { return std::clamp(o.m_bevelParam1, 0, 100) / 100.0; }

bool ApplyBevel(CDrawObject& o, CCoverageMask& mask) {
  if (!BevelSizesMatch(o, mask)) return false;
  switch (o.m_bevelType) {
    case kBevelSmooth:
    case kBevelFlat:
    case kBevelFramed:
    case kBevelNoise:
    case kBevelSaucer:
    case kBevelFrame:
    case kBevelOutline:
    case kBevelHiLite:
    case kBevelHorizontal:
    case kBevelVertical: return ApplyEmbossBevel(o, mask);
    case kBevelBumpOut: return BumpOutBevel(o, mask);
    case kBevelSmoothWarp: return WarpBevel(o, mask);
    case kBevelBall: return BallBevel(o, mask);
    case kBevelExtrude: return ExtrudeBevel(o, mask, ExtrudeMode::kSolid);
    case kBevelBarrel: return ExtrudeBevel(o, mask, ExtrudeMode::kBarrel);
    case kBevelTransparent: return ExtrudeBevel(o, mask, ExtrudeMode::kTransparent);
    case kBevelMotionLinear: return MotionBevel(o, mask, 0, 0);
    case kBevelMotionZoom: return MotionBevel(o, mask, 0, 2);
    case kBevelBacklight: return MotionBevel(o, mask, 2, 2);
    case kBevelBlur: return MotionBevel(o, mask, 1, 0);
    case kBevelLinearWash: return WashBevel(o, mask);
    default: return false;  // "No Bevel", "Feather" and anything a damaged record holds
  }
}

}  // namespace tessel
