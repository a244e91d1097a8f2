// The drop-mask step: the separate shadow bitmap drawn below an object for the shadow,
// glow, halo, inset and related effects, and the effects that change the object itself
// instead ("Cutout", "Knock-Out", "Sparkle").
#pragma once

namespace tessel {

class CDrawObject;
struct CCoverageMask;

// Effect kinds (the effect list of the effects bar) that the drop-mask step knows.
enum DropEffect : int {
  kEffectNone = 0,
  kEffectDropShadow = 1,
  kEffectSunShadow = 2,
  kEffectGlow = 3,
  kEffectHalo = 4,
  kEffectInset = 5,
  kEffectCutout = 6,
  kEffectInsetShadow = 7,
  kEffectKnockOut = 8,
  kEffectDropGradient = 9,
  kEffectSparkle = 10,
  kEffectThickBorderLens = 17,
  kEffectThickCenterLens = 18,
};

// True when the render builds a drop mask: effect kinds 1 to 10, and the two thick
// lenses when their lens shadow value is above 0.
bool NeedsDropMask(const CDrawObject& object);

// The shadow's offset on the canvas: trunc(cos a° · d · s), trunc(sin a° · d · s) for
// distance d, angle a and render scale s (y grows downwards).
struct CShadowOffset {
  int dx = 0;
  int dy = 0;
};
CShadowOffset ShadowOffset(int distance, int angle, int renderScale);

// Builds the object's shadow bitmap from its alpha: (box + 2 · margin) on each axis,
// filled with the shadow colour, its alpha the object's alpha times the opacity,
// flattened ("Sun Shadow") or faded along the angle ("Drop Gradient"), blurred with the
// effect's profile, emboss-shaded for the insets and cut away under the object where
// the object lets it show through. "Cutout" and "Inset + Shadow" shade an inner shadow
// into the object; "Knock-Out" leaves the object nearly transparent; "Sparkle" paints
// sparkles onto the object. mask is the buffer as the bevel step left it. Effects that
// build no shadow bitmap ("Cutout", "Sparkle", a size that cannot be allocated) leave
// it empty. Does nothing when NeedsDropMask is false or the object bitmap is not
// box-sized.
void BuildDropMask(CDrawObject& object, const CCoverageMask& mask);

}  // namespace tessel
