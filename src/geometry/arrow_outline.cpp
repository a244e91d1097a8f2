#include "geometry/arrow_outline.h"

#include <algorithm>
#include <cmath>

namespace tessel {

std::vector<CPointD> ArrowOutline(CPointD tail, CPointD tip, CPointD headPoint) {
  const double dx = tip.x - tail.x, dy = tip.y - tail.y;
  const double length = std::hypot(dx, dy);
  if (length < 1.0) return {};
  const double ux = dx / length, uy = dy / length;  // along the shaft
  const double nx = -uy, ny = ux;                    // across it

  double head = std::fabs(headPoint.x - tip.x);
  if (head < 1.0) head = std::max(length * kArrowDefaultHeadRatio, kArrowMinHeadHalfWidth);
  const double shaft = head * kArrowShaftRatio;
  const double headLength = std::min(head * kArrowHeadLengthRatio, length);
  const CPointD base{tip.x - ux * headLength, tip.y - uy * headLength};
  const auto at = [&](CPointD p, double across) { return CPointD{p.x + nx * across, p.y + ny * across}; };

  const CPointD corners[] = {at(tail, shaft),  at(base, shaft),  at(base, head), tip,
                             at(base, -head), at(base, -shaft), at(tail, -shaft)};
  constexpr int kCorners = 7;
  std::vector<CPointD> points;
  points.reserve(3 * kCorners);
  // A straight segment keeps its controls on its own end points.
  for (int i = 0; i < kCorners; ++i) {
    points.push_back(corners[i]);
    points.push_back(corners[i]);
    points.push_back(corners[(i + 1) % kCorners]);
  }
  return points;
}

}  // namespace tessel
