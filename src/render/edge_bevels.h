// The bevels that reshape the coverage mask before the alpha is set: "Feather" softens
// the edge, "Outline" turns the shape into a ring along its edge.
#pragma once

namespace tessel {

class CDrawObject;
struct CCoverageMask;

// "Feather" (bevel kind 9): blurs a copy of the mask with radius render scale ·
// max(bevel width / 3, 1) and mixes it back by the bevel depth d: 0 leaves the mask,
// 100 replaces it by the blurred copy, any other depth gives
// clamp(trunc(mask · (100 − d) · 0.005 + blurred)). Returns false (nothing done) for
// depth 0 or a mask that is not box-sized.
bool FeatherMask(const CDrawObject& object, CCoverageMask& mask);

// "Outline" (bevel kind 7): blurs a copy of the mask (height field, profile 0) with the
// radius and rebuilds the mask from it: 511 − 2c where the 3 × 3 mean of the blurred
// copy is above 128, 2c elsewhere (c the blurred value), clamped to 0..255 — a ring
// brightest where the blurred edge crosses the middle. An empty mask is left alone.
void OutlineBevel(CCoverageMask& mask, double radius);

}  // namespace tessel
