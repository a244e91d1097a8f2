#include "render/drop_mask.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/program_constants.h"
#include "document/draw_object.h"
#include "render/coverage_mask.h"
#include "render/emboss.h"
#include "render/height_field.h"
#include "render/inner_shadow.h"
#include "render/pixel_math.h"
#include "render/shadow_shapes.h"
#include "render/sparkle.h"

namespace tessel {

namespace {
// The thick lenses cast a fixed shadow.
constexpr double kLensSoftness = 3.0;
constexpr int kLensOpacity = 200;
constexpr int kLensDistance = 5;
constexpr int kLensAngle = 45;
constexpr int kSunShadowLower = 10;  // pixels at scale 1
constexpr double kInsetElevation = 45.0;
constexpr int kInsetIntensity = 255;
constexpr double kGlowFirstPass = 0.5;
constexpr int kKnockedOutAlpha = 1;
constexpr int kBlendNormal = 0;
constexpr double kMaxRadius = 1 << 12;  // a damaged softness is held here
// Margins beyond this many pixels (times the render scale) come only from a damaged
// record; they build no shadow rather than a gigantic one.
constexpr int kMaxMargin = 2048;
// Blurs with a radius from this on run on a copy reduced so that the radius there is
// about kReducedRadius: a shadow that soft shows no detail the reduction could lose,
// and the blur's cost falls with the cube of the factor.
constexpr double kReduceFrom = 8.0;
constexpr double kReducedRadius = 4.0;
constexpr int kMaxReduction = 8;

bool IsThickLens(int e) { return e == kEffectThickBorderLens || e == kEffectThickCenterLens; }

// Blurs the work alpha with the profile and radius (nothing for radius 0 or less).
void BlurWork(CCoverageMask& work, int profile, double radius) {
  if (!(radius > 0.0)) return;
  radius = std::min(radius, kMaxRadius);
  CHeightFieldBuilder builder;
  builder.m_profile = profile;
  if (radius >= kReduceFrom) builder.m_reduction = std::min(kMaxReduction, int(radius / kReducedRadius));
  builder.BuildHeightField(work.bytes.data(), work.width, work.height, radius, kHeightBoth);
}

int BlurProfile(int e) {
  switch (e) {
    case kEffectHalo: return CHeightFieldBuilder::kProfileWave;
    case kEffectInset:
    case kEffectInsetShadow: return CHeightFieldBuilder::kProfileDouble;
    default: return CHeightFieldBuilder::kProfileSmooth;
  }
}

void FillColour(CDIBSection& bitmap, COLORREF colour) {
  const uint8_t r = uint8_t(colour), g = uint8_t(colour >> 8), b = uint8_t(colour >> 16);
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.RowFromBottom(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 4) p[0] = b, p[1] = g, p[2] = r, p[3] = 0;
  }
}

void SetAlpha(CDIBSection& bitmap, uint8_t alpha) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.RowFromBottom(y) + px::kAlpha;
    for (int x = 0; x < bitmap.Width(); ++x) p[4 * x] = alpha;
  }
}
}  // namespace

bool NeedsDropMask(const CDrawObject& o) {
  const int e = o.m_effect;
  return (e >= kEffectDropShadow && e <= kEffectSparkle) || (IsThickLens(e) && o.m_lensDropMask > 0);
}

CShadowOffset ShadowOffset(int distance, int angle, int renderScale) {
  // The same arithmetic as the compositor's placement of the shadow bitmap.
  return {px::Trunc(std::cos(angle * kDegToRad) * distance * renderScale),
          px::Trunc(std::sin(angle * kDegToRad) * distance * renderScale)};
}

void BuildDropMask(CDrawObject& o, const CCoverageMask& mask) {
  const int e = o.m_effect, w = o.m_width, h = o.m_height, scale = o.m_renderScale;
  if (!NeedsDropMask(o) || o.m_bitmap.IsEmpty() || o.m_bitmap.Width() != w || o.m_bitmap.Height() != h) return;
  if (e == kEffectSparkle || e == kEffectCutout) {
    o.m_shadowBitmap.Release();
    if (e == kEffectSparkle) PaintSparkles(o);
    else ApplyInnerShadow(o, mask);
    return;
  }
  if (e == kEffectInsetShadow) ApplyInnerShadow(o, mask);
  const bool lens = IsThickLens(e);
  const double softness = lens ? kLensSoftness : (std::isfinite(o.m_effectDistanceF) ? o.m_effectDistanceF : 0.0);
  const int opacity = lens ? kLensOpacity : std::clamp(o.m_effectParam2, 0, 255);
  const int margin = o.m_effectSoftness;
  const int64_t sw = int64_t(w) + 2 * int64_t(margin), sh = int64_t(h) + 2 * int64_t(margin);
  if (std::abs(int64_t(margin)) > int64_t(kMaxMargin) * std::max(scale, 1) || sw < 1 || sh < 1 ||
      !CDIBSection::SizeAllowed(sw, sh, 32) || !o.m_shadowBitmap.Create(int(sw), int(sh), 32)) {
    o.m_shadowBitmap.Release();
    return;
  }
  FillColour(o.m_shadowBitmap, o.m_effectColor);

  CCoverageMask work;
  work.Reset(int(sw), int(sh), 0);
  if (e == kEffectSunShadow)
    CopySunShadowAlpha(o.m_bitmap, margin, opacity, kSunShadowLower * scale, work);
  else
    CopyScaledAlpha(o.m_bitmap, margin, opacity, work);
  if (e == kEffectDropGradient) FadeAlongAngle(work, margin, w, h, o.m_effectAngle);

  const double radius = scale * softness;
  if (e == kEffectGlow) {
    BlurWork(work, CHeightFieldBuilder::kProfileSmooth, softness * kGlowFirstPass * scale);
    BlurWork(work, CHeightFieldBuilder::kProfileDouble, radius);
  } else {
    BlurWork(work, BlurProfile(e), radius);
  }
  if (e == kEffectInset || e == kEffectInsetShadow)
    EmbossShade(o.m_shadowBitmap, work.bytes.data(), work.width, work.height, 360.0 - o.m_effectAngle,
                kInsetElevation, kInsetIntensity, opacity, false);

  // Where the object lets the canvas show through, it must not show its own shadow.
  if ((e == kEffectDropShadow || lens) && (o.m_shadowOption != kBlendNormal || o.m_transpAmount >= 1) &&
      mask.width == w && mask.height == h) {
    const CShadowOffset off = lens ? ShadowOffset(kLensDistance, kLensAngle, scale)
                                   : ShadowOffset(o.m_effectParam1, o.m_effectAngle, scale);
    // The shadow bitmap lies at (−margin + dx, −margin + dy) from the box.
    RemoveUnderObject(work, mask, margin - off.dx, margin - off.dy);
  }
  if (e == kEffectKnockOut) SetAlpha(o.m_bitmap, kKnockedOutAlpha);
  WorkToAlpha(work, o.m_shadowBitmap);
}

}  // namespace tessel
