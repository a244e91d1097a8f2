#include "geometry/free_path.h"

#include <algorithm>
#include <climits>

#include "base/safe_round.h"
#include "geometry/bezier.h"

namespace tessel {

namespace {
constexpr int kMinPointsToClose = 6;
constexpr int kSamplesPerSegment = 20;  // t = 0, 0.05, ... 0.95
}  // namespace

std::vector<CPointD> CleanFreeHandStroke(const std::vector<CPointD>& points, bool close) {
  std::vector<CPointD> out;
  out.reserve(points.size() + 1);
  for (const auto& p : points) {
    const CPointD r{double(CoordTrunc(p.x + 0.5)), double(CoordTrunc(p.y + 0.5))};
    if (!out.empty() && out.back().x == r.x && out.back().y == r.y) continue;
    out.push_back(r);
  }
  if (close && points.size() >= size_t(kMinPointsToClose) && !out.empty()) out.push_back(out.front());
  return out;
}

CRect SampledCurveBounds(const std::vector<CPointD>& pts) {
  if (pts.empty()) return {};
  CRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  auto take = [&](double x, double y) {
    const int ix = CoordTrunc(x + 0.5), iy = CoordTrunc(y + 0.5);
    r.left = std::min(r.left, ix);
    r.right = std::max(r.right, ix);
    r.top = std::min(r.top, iy);
    r.bottom = std::max(r.bottom, iy);
  };
  take(pts[0].x, pts[0].y);
  for (size_t i = 0; i + 3 < pts.size(); i += 3) {
    const CPointD &p0 = pts[i], &p1 = pts[i + 1], &p2 = pts[i + 2], &p3 = pts[i + 3];
    for (int k = 0; k < kSamplesPerSegment; ++k) {
      const double t = k * 0.05;
      take(CubicAt(p0.x, p1.x, p2.x, p3.x, t), CubicAt(p0.y, p1.y, p2.y, p3.y, t));
    }
    take(p3.x, p3.y);
  }
  return r;
}

}  // namespace tessel
