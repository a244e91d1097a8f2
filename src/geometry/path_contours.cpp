#include "geometry/path_contours.h"

#include "geometry/bezier.h"

namespace tessel {

namespace {
constexpr double kThousand = 1000.0;

CPolyPoint ToPoly(const CBezierPoint& p, uint8_t flag) { return {p.x * kThousand, p.y * kThousand, flag}; }
}  // namespace

CPolynome PathToContours(const CBezier& path) {
  CPolynome poly;
  if (path.m_points.empty()) return poly;
  const int used = path.UsedPointCount();
  poly.m_points.push_back(ToPoly(path.m_points[0], kPolyIsland));
  for (int k = 0; k < path.SegmentCount(); ++k) {
    const int i = 3 * k;
    poly.m_points.push_back(ToPoly(path.m_points[size_t(i + 1)], kPolyCurve));
    poly.m_points.push_back(ToPoly(path.m_points[size_t(i + 2)], 0));
    poly.m_points.push_back(ToPoly(path.m_points[size_t(i + 3 < used ? i + 3 : 0)], 0));  // a closed path returns to its start
  }
  poly.m_open = path.m_closed ? 0 : 1;
  return poly;
}

}  // namespace tessel
