// "Bump Out": the grey base (128, 128, 128) is embossed with profile 0, and then only
// the relief shows: each pixel's shading strength s = min(2 · |blue − 128|, 255) scales
// its alpha, lit pixels turn white and shaded ones black. Flat parts vanish, so the
// relief lies on whatever is below the object like an embossed stamp.
//
// With an effect, the shadow bitmap is read at the shadow offset from each pixel
// (positions clamped to it) and the relief's shaded side takes the shadow's colour in
// proportion to the shadow's alpha there, so the relief shows on the shadow.
#include <algorithm>
#include <cmath>

#include "document/draw_object.h"
#include "render/bevel_kinds.h"
#include "render/coverage_mask.h"
#include "render/emboss.h"
#include "render/height_field.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {

constexpr int kGrey = 128;
constexpr int kEffectSunShadow = 2;
constexpr int kEffectInsetShadow = 7;
constexpr int kSunShadowDrop = 5;

struct COffset {
  int dx = 0;
  int dy = 0;
};

// The shadow offset: trunc(cos a° · scale · d), trunc(sin a° · scale · d); none for
// "Inset + Shadow", 5 lower for "Sun Shadow".
COffset ShadowOffset(const CDrawObject& o) {
  if (o.m_effect == kEffectInsetShadow) return {};
  const double a = o.m_effectAngle * px::kDegToRad;
  const double d = double(o.m_renderScale) * o.m_effectParam1;
  COffset off{px::Trunc(std::cos(a) * d), px::Trunc(std::sin(a) * d)};
  if (o.m_effect == kEffectSunShadow) off.dy += kSunShadowDrop;
  return off;
}

// Lit pixels become white, shaded ones black (or the shadow's colour over the shadow);
// the alpha keeps s / 255 of itself.
void KeepRelief(CDrawObject& o) {
  CDIBSection& bmp = o.m_bitmap;
  const CDIBSection& shadow = o.m_shadowBitmap;
  const bool onShadow =
      o.m_effect > 0 && !shadow.IsEmpty() && shadow.BitsPerPixel() == 32 && shadow.Width() > 0 && shadow.Height() > 0;
  const COffset off = onShadow ? ShadowOffset(o) : COffset{};
  const int w = bmp.Width(), h = bmp.Height();
  for (int y = 0; y < h; ++y) {
    uint8_t* p = bmp.RowFromTop(y);
    const uint8_t* srow = onShadow ? shadow.RowFromTop(std::clamp(y + off.dy, 0, shadow.Height() - 1)) : nullptr;
    for (int x = 0; x < w; ++x, p += 4) {
      const int k = p[px::kBlue] - kGrey;
      const int s = std::min(2 * std::abs(k), 255);
      int colour[3] = {k > 0 ? 255 : 0, k > 0 ? 255 : 0, k > 0 ? 255 : 0};
      if (srow && k < 0) {
        const uint8_t* sp = srow + 4 * std::clamp(x + off.dx, 0, shadow.Width() - 1);
        for (int c = 0; c < 3; ++c) colour[c] = px::Mix255(0, sp[c], sp[px::kAlpha]);
      }
      p[px::kBlue] = uint8_t(colour[0]);
      p[px::kGreen] = uint8_t(colour[1]);
      p[px::kRed] = uint8_t(colour[2]);
      p[px::kAlpha] = uint8_t(px::Mul255(p[px::kAlpha], s));
    }
  }
}

}  // namespace

bool BumpOutBevel(CDrawObject& o, CCoverageMask& mask) {
  if (!EmbossBevel(o, mask, CHeightFieldBuilder::kProfileSmooth, kHeightBoth, false)) return false;
  KeepRelief(o);
  return true;
}

}  // namespace tessel
