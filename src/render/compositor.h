// Compositing drawing objects onto a canvas: one object with its shadow and blend
// mode, and the whole document from the background up.
#pragma once

namespace tessel {

class CDIBSection;
class CDrawObject;
class CVellumDoc;
class RenderProgress;

struct CompositeOptions {
  bool lensesOff = false;   // "Lenses Off": lens objects are drawn like plain objects
  bool transparent = false; // the canvas starts transparent instead of the background
};

// Composites the object's cached shadow and bitmap onto canvas (32-bit, bottom-up,
// canvas pixel (0, 0) at its top-left) at scale 1: hidden objects draw nothing; the
// shadow goes first, in "Normal" mode at its offset; the bitmap follows with the
// object's blend mode. Pixels outside the canvas are clipped.
void DrawObject(CDIBSection& canvas, const CDrawObject& object, const CompositeOptions& options);

// Where the object's shadow (or lens drop mask) bitmap goes on the canvas: true with
// its top-left corner in *left, *top when the object's effect casts one, else false.
bool ShadowOrigin(const CDrawObject& object, int* left, int* top);

// Renders the document composite at scale times the canvas size into out (32-bit):
// the background (or transparency), then every object from bottom to top. At a scale
// above 1 each object is rendered enlarged for the composite and left as it was
// afterwards. Returns false when the canvas is too large to allocate.
bool ComposeDocument(CVellumDoc& doc, int scale, const CompositeOptions& options, CDIBSection& out,
                     RenderProgress* progress = nullptr);

}  // namespace tessel
