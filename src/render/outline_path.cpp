#include "render/outline_path.h"

#include <utility>

#include "geometry/bezier.h"
#include "geometry/envelope.h"
#include "geometry/polynome.h"

namespace tessel {

bool AddShapePath(cairo_t* cr, const CBezier& path, const PointMapper& map) {
  const int used = path.UsedPointCount();
  if (used == 0) return false;
  auto at = [&](int i) {
    return std::pair<double, double>(map.X(path.m_points[size_t(i)].x), map.Y(path.m_points[size_t(i)].y));
  };
  const auto [x0, y0] = at(0);
  cairo_move_to(cr, x0, y0);
  for (int k = 0; k < path.SegmentCount(); ++k) {
    const int i = 3 * k;
    const auto [ax, ay] = at(i + 1);
    const auto [bx, by] = at(i + 2);
    const auto [cx, cy] = at(i + 3 < used ? i + 3 : 0);  // a closed path returns to its start
    cairo_curve_to(cr, ax, ay, bx, by, cx, cy);
  }
  if (path.m_closed) cairo_close_path(cr);
  return true;
}

void AddContours(cairo_t* cr, const CPolynome& poly, const PointMapper& map) {
  const bool envelope = !IsIdentityEnvelope(poly.m_envelope);
  auto at = [&](size_t i) {
    CPointD p{poly.m_points[i].x, poly.m_points[i].y};
    if (envelope) p = ApplyEnvelope(poly.m_envelope, p);
    return std::pair<double, double>(map.ContourX(p.x), map.ContourY(p.y));
  };
  const size_t n = poly.m_points.size();
  for (size_t i = 0; i < n;) {
    const auto [x, y] = at(i);
    if (i == 0 || (poly.m_points[i].flag & kPolyIsland)) {
      if (i) cairo_close_path(cr);
      cairo_move_to(cr, x, y);
      ++i;
    } else if ((poly.m_points[i].flag & kPolyCurve) && i + 2 < n) {
      const auto [bx, by] = at(i + 1);
      const auto [cx, cy] = at(i + 2);
      cairo_curve_to(cr, x, y, bx, by, cx, cy);
      i += 3;
    } else {
      cairo_line_to(cr, x, y);
      ++i;
    }
  }
  if (n) cairo_close_path(cr);
}

}  // namespace tessel
