// "Lens Flare" (effect kind 20): a flare of light drawn into the object's bitmap layer,
// a black picture of the canvas size, and added onto the canvas at every composite.
// The flare is drawn again only when its box, the canvas size or its settings change.
#pragma once

#include "base/rect.h"

#include <cstdint>

namespace tessel {

class CDIBSection;
class CDrawObject;

// The flare generator's inputs.
struct CFlareSpec {
  static constexpr int kGlowOnly = 0;  // glow, rays and ring
  static constexpr int kFull = 1;      // with the chain of ghost discs as well

  int x = 0;               // centre column
  int y = 0;               // centre row, counted up from the bottom row
  int radius = 0;          // the glow's reach and the ring's radius, pixels
  int size1 = 0;           // ghost size: the discs grow by this many pixels over tenths
  int size2 = 4;           // ray count (rounded up to an even number, at least 4) and core size
  double angle = 0.0;      // degrees, counter-clockwise: the ghosts' line and the rays' turn
  float intensity = 1.0f;  // 0..1, scales all light
  int mode = kFull;
  uint32_t tint = 0xFFFFFF;  // 0x00BBGGRR: colours the glow, ring and ghosts
};

// Adds the flare's light to the 32-bit bottom-up layer (saturating at 255; alpha is
// left alone): a white core in a tinted glow, rays, a chromatic ring at the radius and,
// in mode kFull, ghost discs along the line through the centre at the angle. Equal
// inputs always give the same pixels. Pixels outside the layer are skipped.
void DrawFlare(CDIBSection& layer, const CFlareSpec& spec);

// Brings o's flare layer (o.m_layer) up to date for a canvas of canvasW × canvasH:
// when it is empty, of another size, drawn for another box, canvas or settings, or a
// rebuild was requested, it is recreated black and opaque at the canvas size and the
// flare is drawn into it, centred on the box, with radius trunc(√((w/2)² + (h/2)²)),
// ghost size trunc(softness · 10), ray value trunc(distance · 0.24 + 4), angle
// shadow angle + 45, intensity shadow opacity / 255 and the object's colour. Returns
// true when it was drawn again, false when the old flare stands (or cannot be made).
bool UpdateFlareLayer(CDrawObject& o, int canvasW, int canvasH);

// Adds the layer's light onto the canvas (same size, both 32-bit), each channel
// scaled by factor: canvas += trunc(light · factor), held at 255. On a canvas that may
// be transparent (keepAlpha false) the light also raises the coverage, so a flare over
// nothing shows as light of its own. Only canvas pixels inside area change (an empty
// area: all of them).
void AddFlareLight(CDIBSection& canvas, const CDIBSection& layer, double factor, bool keepAlpha,
                   const CRect& area = {});

// "Lenses Off": releases the flare, leaving a blank 8 × 8 layer in its place.
void EmptyFlareLayer(CDrawObject& o);

}  // namespace tessel
