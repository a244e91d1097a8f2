// Affine maps applied to the box-relative outlines of drawing objects: a CBezier (unit
// coordinates) or a CPolynome (thousandths) spread over a pixel box is mapped through
// a map given in canvas pixels and put back into the box its mapped points need.
#pragma once

#include "base/rect.h"
#include "geometry/affine.h"
#include "geometry/bezier.h"
#include "geometry/polynome.h"

namespace tessel {

// Maps every point of the path from box (the unit square spread over it; sizes below 1
// count as 1) through m. Returns the pixel bounds of the mapped curve (control points
// off the curve do not count), each edge rounded to the nearest pixel, and rescales the
// points so that the curve's exact bounds become the unit square: the outline is
// stretched by less than a pixel onto the whole-pixel rectangle. A flat axis puts the
// points on the middle line (0.5).
// A path without points is left alone and box is returned.
CRect TransformBezier(CBezier& path, const CRect& box, const CAffine& m);

// The same for a contour set in thousandths of box: the returned bounds hold every
// point (curve controls included), those points span 0..1000 afterwards and the island
// and curve flags stay. The envelope
// values are not looked at: bake a deformed envelope first (BakeEnvelope).
CRect TransformPolynome(CPolynome& poly, const CRect& box, const CAffine& m);

// Replaces every point by its place under the envelope and resets the envelope to the
// identity. The outline drawn does not change, as drawing maps each point (controls
// included) through the envelope too.
void BakeEnvelope(CPolynome& poly);

// Mirrors about the centre line of the box: x -> 1 - x (horizontal) or y -> 1 - y.
void MirrorBezier(CBezier& path, bool horizontal);
// Mirrors points (x -> 1000 - x or y -> 1000 - y) and the envelope with them: each
// handle takes the mirrored place of its mirror partner, so the drawn outline is the
// old one mirrored.
void MirrorPolynome(CPolynome& poly, bool horizontal);

}  // namespace tessel
