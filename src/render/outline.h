// The coloured outline painted along the inside of an object's edge.
#pragma once

#include <cstdint>

namespace tessel {

class CDrawObject;
class CDIBSection;
struct CCoverageMask;

// Outline kinds of the outline bar.
enum OutlineKind : int {
  kOutlineNone = 0,
  kOutlineSolid = 1,
  kOutlineThick = 2,
  kOutlineSoft = 3,
  kOutlineBlured = 4,
};

// The blur radius of an outline kind for outline width w (render scale not applied):
// solid w / 140 + 0.5, thick w / 30 + 2, soft w · 0.025 + 0.5, blurred w · 0.05 + 0.5;
// 0 for any other kind.
double OutlineRadius(int kind, int width);

// The strength o (0..255) of the outline where the blurred mask has value blurred:
// o = 255 − blurred, below 2 taken as 0, then cubed (thick), tripled (soft) or, for the
// solid outline, doubled for radii 0.6..1, tripled for 1..1.2 and multiplied by
// trunc(3r) + 1 from 1.2 on; clamped to 255.
int OutlineStrength(int kind, double radius, int blurred);

// Paints the outline of the object's outline kind into the colour of bitmap (the
// object bitmap, box-sized, bottom-up; its alpha already holds the mask): a copy of
// the mask is blurred with render scale · radius and every channel becomes
// trunc(colour · t + old · (1 − t)) with t = strength / 255. The colour is the first
// outline colour, or with the gradient flag the three-colour gradient across the box.
// The alpha is not changed. Returns false (nothing done) for kind 0 or unknown kinds
// or a mask or bitmap that is not box-sized.
bool AddOutline(const CDrawObject& object, const CCoverageMask& mask, CDIBSection& bitmap);

}  // namespace tessel
