// The surface step of a render ("Surface"): a skin picture of the Surface folder, tiled
// over the object and blended into its colour within the mask.
//
// Surface modes (m_surfaceMode):
//   0  Skin   the skin's light and dark over the colour: B = D + (b − b̄), b the texel
//             brightness (mean of its channels) and b̄ the mean brightness of the whole
//             skin, so the object keeps its colour and gains the skin's grain
//   1..13     the texture modes of the same number (Multiply … Colorize, texture_modes.h)
// Any other number acts as Skin. The pixel then becomes D + (B − D) · amount / 255 and
// that, weighed by the mask value m, D + (result − D) · m / 255 (truncating).
#pragma once

#include <cstdint>

namespace tessel {

class CDIBSection;
class CDrawObject;
struct CCoverageMask;

constexpr int kSurfaceModeSkin = 0;

// How a skin is laid over an object.
struct CSurfaceBlend {
  int amount = 200;     // 0..255; more is held at 255
  double scale = 0.5;   // the skin is tiled at this many times its size (centred in the box)
  int mode = kSurfaceModeSkin;
  int enlarge = 1;      // the render scale: the skin grows with the render
  uint32_t colour2 = 0; // the object's second colour (Tint, Colorize)
};

// Blends the 24-bit skin into the 32-bit bottom-up bitmap within the top-down mask of the
// same size. Returns false (nothing done) for an empty or mis-sized bitmap or mask, a skin
// that is not 24 bits, or an amount of 0 or below.
bool BlendSurfaceSkin(CDIBSection& bitmap, const CDIBSection& skin, const CSurfaceBlend& blend,
                      const CCoverageMask& mask);

// Turns the surface name "None.jpg" into the empty name; returns whether the surface
// step runs (surface amount above 0 and a name).
bool SurfaceStepRuns(CDrawObject& object);

// The step: looks the object's skin up under "SKN" in the texture store, loading it on a
// miss from the Surface folder. A skin that cannot be read is added to the application's
// missing-skin list and the object's surface name emptied, without a message; the render
// goes on without it. Returns true when a skin was blended in.
bool ApplySurface(CDrawObject& object, const CCoverageMask& mask);

}  // namespace tessel
