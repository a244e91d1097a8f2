// CAffine: an affine map of the plane, x' = a x + b y + tx, y' = c x + d y + ty, used by
// the rotate, skew and mirror operations in canvas pixels (y pointing down).
#pragma once

#include "base/rect.h"

namespace tessel {

struct CAffine {
  double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

  CPointD Apply(CPointD p) const { return {a * p.x + b * p.y + tx, c * p.x + d * p.y + ty}; }
  // The map that applies this one first and then next.
  CAffine Then(const CAffine& next) const;
  // The inverse map; false (and identity) when the map squashes the plane flat.
  bool Inverse(CAffine* inverse) const;

  static CAffine Translation(double dx, double dy) { return {1, 0, 0, 1, dx, dy}; }
  static CAffine Scaling(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
  // A turn by degrees about centre, counter-clockwise on the screen for a positive
  // angle. Multiples of 90 degrees get exact 0 and +-1 entries.
  static CAffine Rotation(int degrees, CPointD centre);
  // The skew tool's map of the box (left, top, width, height): the top edge moves
  // sideways by top, the bottom edge by bottom, the left edge up or down by left and
  // the right edge by right; in between the offsets are interpolated linearly.
  static CAffine Skew(const CRect& box, int top, int right, int bottom, int left);
};

// The smallest axis-aligned rectangle, in real coordinates, holding the four corners of
// box once mapped through m.
struct CBoundsD {
  double left = 0, top = 0, right = 0, bottom = 0;
};
CBoundsD MapRectBounds(const CAffine& m, double left, double top, double width, double height);

}  // namespace tessel
