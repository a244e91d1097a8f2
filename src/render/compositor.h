// Compositing drawing objects onto a canvas: one object with its shadow and blend
// mode, and the whole document from the background up.
#pragma once

#include <cstdint>

#include "base/rect.h"

namespace tessel {

class CDIBSection;
class CDrawObject;
class CVellumDoc;
class RenderProgress;

struct CompositeOptions {
  bool lensesOff = false;   // "Lenses Off": lens objects are drawn like plain objects
  bool transparent = false; // the canvas starts transparent instead of the background
  bool wireframe = false;   // "Wireframe ": outlines only, nothing rendered
  // The document point at canvas pixel (0, 0): a canvas showing part of the document.
  // Lenses are drawn only on a canvas at the document's origin.
  int originX = 0, originY = 0;
  uint32_t background = 0;  // the document's background (0x00BBGGRR), seen by lenses beyond the canvas
  // The visible canvas's size; 0 takes the canvas bitmap's size.
  int canvasWidth = 0;
  int canvasHeight = 0;
  // Only these canvas pixels need to be right (an empty rectangle: all of them). Pixels
  // outside may be left as they were; a lens wholly outside is skipped.
  CRect clip;
};

// Where the object's shadow bitmap is drawn: true with its top-left canvas corner in
// x, y when the effect kind draws a shadow (drop shadows and glows except "Cutout",
// and thick lenses with a lens shadow), false otherwise.
bool ShadowOrigin(const CDrawObject& object, int* x, int* y);
// The canvas rectangle the object draws into: its box joined with its shadow bitmap.
CRect EffectRect(const CDrawObject& object);
// Composites the object onto canvas (32-bit, bottom-up): hidden objects draw nothing;
// the shadow goes first, in "Normal" mode at its offset. A lens object (effect 11 and
// above, its environment flag clear) with lenses on is drawn as its lens only: kinds
// 11..19 show the canvas below them, composited with the object's blend mode; "Lens
// Flare" adds its flare layer, drawn again when needed. Any other object (and a lens
// with lenses off) composites its bitmap with the object's blend mode; with lenses off
// a flare's layer is released. The environment flag of effects other than 17 and 18 is
// cleared. Pixels outside the canvas are clipped.
void DrawObject(CDIBSection& canvas, CDrawObject& object, const CompositeOptions& options);

// Renders the document composite at scale times the canvas size into out (32-bit):
// the background (or transparency), then every object from bottom to top. At a scale
// above 1 each object is rendered enlarged for the composite and left as it was
// afterwards. Returns false when the canvas is too large to allocate.
bool ComposeDocument(CVellumDoc& doc, int scale, const CompositeOptions& options, CDIBSection& out,
                     RenderProgress* progress = nullptr);

}  // namespace tessel
