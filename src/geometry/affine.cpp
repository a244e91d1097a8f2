#include "geometry/affine.h"

#include <algorithm>
#include <cmath>

namespace tessel {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr int kFullTurn = 360;
constexpr int kQuarterTurn = 90;
constexpr double kFlatDeterminant = 1e-12;

// Cosine and sine of a whole-degree angle; quarter turns are exact.
void CosSin(int degrees, double* cosA, double* sinA) {
  const int r = ((degrees % kFullTurn) + kFullTurn) % kFullTurn;
  static constexpr double kQuarterCos[] = {1, 0, -1, 0};
  static constexpr double kQuarterSin[] = {0, 1, 0, -1};
  if (r % kQuarterTurn == 0) {
    *cosA = kQuarterCos[r / kQuarterTurn];
    *sinA = kQuarterSin[r / kQuarterTurn];
    return;
  }
  *cosA = std::cos(r * kPi / 180.0);
  *sinA = std::sin(r * kPi / 180.0);
}
}  // namespace

CAffine CAffine::Then(const CAffine& n) const {
  return {n.a * a + n.b * c,  n.a * b + n.b * d,  n.c * a + n.d * c,
          n.c * b + n.d * d,  n.a * tx + n.b * ty + n.tx, n.c * tx + n.d * ty + n.ty};
}

bool CAffine::Inverse(CAffine* inv) const {
  const double det = a * d - b * c;
  if (std::fabs(det) < kFlatDeterminant) {
    *inv = CAffine();
    return false;
  }
  const double ia = d / det, ib = -b / det, ic = -c / det, id = a / det;
  *inv = {ia, ib, ic, id, -(ia * tx + ib * ty), -(ic * tx + id * ty)};
  return true;
}

CAffine CAffine::Rotation(int degrees, CPointD centre) {
  double cs = 1, sn = 0;
  CosSin(degrees, &cs, &sn);
  // y points down, so a counter-clockwise turn on the screen takes (0, -1) to (-1, 0).
  const CAffine turn{cs, sn, -sn, cs, 0, 0};
  return Translation(-centre.x, -centre.y).Then(turn).Then(Translation(centre.x, centre.y));
}

CAffine CAffine::Skew(const CRect& box, int top, int right, int bottom, int left) {
  const double w = std::max(box.Width(), 1), h = std::max(box.Height(), 1);
  // x' = x + top + (bottom - top) v and y' = y + left + (right - left) u, with u and v
  // the position in the box; both are linear in x and y.
  const double bx = (bottom - top) / h, cy = (right - left) / w;
  return {1, bx, cy, 1, top - bx * box.top, left - cy * box.left};
}

CBoundsD MapRectBounds(const CAffine& m, double left, double top, double width, double height) {
  const CPointD corners[] = {m.Apply({left, top}), m.Apply({left + width, top}),
                             m.Apply({left, top + height}), m.Apply({left + width, top + height})};
  CBoundsD r{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
  for (const CPointD& p : corners) {
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
  }
  return r;
}

}  // namespace tessel
