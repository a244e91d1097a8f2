#include "paint/paint_segment.h"

#include <algorithm>
#include <cmath>

#include "base/safe_round.h"

namespace tessel {

namespace {
constexpr double kRadToDeg = 57.29577951308232;
// More dabs than one segment may place: a hostile zoom or jump must not stall painting.
constexpr double kMaxDabsPerSegment = 1 << 16;

int Round(double v) { return CoordTrunc(v + 0.5); }
}  // namespace

std::vector<CDabPlacement> PlaceDabs(const CSegmentInput& in) {
  const double z = in.zoom > 0 ? in.zoom : 1.0;
  const double dx = in.p1.x - in.p0.x, dy = in.p1.y - in.p0.y;
  const double d = std::sqrt((dx / z) * (dx / z) + (dy / z) * (dy / z));
  const int step = std::max(1, in.step);
  int n = in.spacingEnabled ? int(std::clamp(d / step + 0.5, 1.0, kMaxDabsPerSegment)) : 1;
  n = std::max(1, n);
  const int hw = in.dabWidth / 2, hh = in.dabHeight / 2;
  const double sx = dx / n, sy = dy / n;
  double x = in.p0.x, y = in.p0.y;
  if (!in.firstSegment) x += sx, y += sy;
  std::vector<CDabPlacement> dabs;
  dabs.reserve(size_t(n));
  for (int i = 0; i < n; ++i) {
    dabs.push_back({CoordTrunc(Round(x / z) - hw - in.offsetX / z),
                    CoordTrunc(in.layerHeight - Round(y / z) - hh + in.offsetY / z)});
    x += sx;
    y += sy;
  }
  return dabs;
}

int StrokeAngle(CPointD p0, CPointD p1, int previous) {
  const double dx = p1.x - p0.x, dy = p1.y - p0.y;
  if (dx == 0 && dy == 0) return previous;
  return CoordTrunc(std::atan2(dy, dx) * kRadToDeg + 360) % 360;
}

CRect SegmentRedrawRect(CPointD p0, CPointD p1, int hw, int hh, double zoom) {
  const int mx = CoordTrunc(2 * std::max(hw, 4) * zoom), my = CoordTrunc(2 * std::max(hh, 4) * zoom);
  const CRect r = CRect{CoordTrunc(p0.x), CoordTrunc(p0.y), CoordTrunc(p1.x), CoordTrunc(p1.y)}.Normalized();
  return {r.left - mx, r.top - my, r.right + mx, r.bottom + my};
}

CPointD ViewToLayer(CPointD view, double zoom, double offsetX, double offsetY) {
  const double z = zoom > 0 ? zoom : 1.0;
  return {double(Round(view.x / z)) - offsetX / z, double(Round(view.y / z)) - offsetY / z};
}

}  // namespace tessel
