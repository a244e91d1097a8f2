// Compositing drawing objects onto a canvas: one object with its shadow and blend
// mode, and the whole document from the background up.
#pragma once

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
  int originX = 0, originY = 0;
};

// Where the object's shadow bitmap is drawn: true with its top-left canvas corner in
// x, y when the effect kind draws a shadow (drop shadows and glows except "Cutout",
// and thick lenses with a lens shadow), false otherwise.
bool ShadowOrigin(const CDrawObject& object, int* x, int* y);
// The canvas rectangle the object draws into: its box joined with its shadow bitmap.
CRect EffectRect(const CDrawObject& object);
// Composites the object's cached shadow and bitmap onto canvas (32-bit, bottom-up,
// canvas pixel (0, 0) at its top-left) at scale 1: hidden objects draw nothing; the
// shadow goes first, in "Normal" mode at its offset; the bitmap follows with the
// object's blend mode. Pixels outside the canvas are clipped.
void DrawObject(CDIBSection& canvas, const CDrawObject& object, const CompositeOptions& options);

// Renders the document composite at scale times the canvas size into out (32-bit):
// the background (or transparency), then every object from bottom to top. At a scale
// above 1 each object is rendered enlarged for the composite and left as it was
// afterwards. Returns false when the canvas is too large to allocate.
bool ComposeDocument(CVellumDoc& doc, int scale, const CompositeOptions& options, CDIBSection& out,
                     RenderProgress* progress = nullptr);

}  // namespace tessel
