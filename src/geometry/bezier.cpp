#include "geometry/bezier.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "base/archive.h"
#include "base/safe_round.h"

namespace tessel {

namespace {
// Size in bytes of one stored point: two doubles and a word.
constexpr uint64_t kStoredPointBytes = 20;
}  // namespace

int CubicExtrema(double p0, double p1, double p2, double p3, double out[2]) {
  // B'(t)/3 = a t^2 + b t + c
  const double a = -p0 + 3 * p1 - 3 * p2 + p3;
  const double b = 2 * (p0 - 2 * p1 + p2);
  const double c = p1 - p0;
  int n = 0;
  auto keep = [&](double t) {
    if (t > 0 && t < 1) out[n++] = t;
  };
  if (std::fabs(a) < 1e-12) {
    if (std::fabs(b) > 1e-12) keep(-c / b);
    return n;
  }
  const double disc = b * b - 4 * a * c;
  if (disc < 0) return 0;
  const double r = std::sqrt(disc);
  keep((-b + r) / (2 * a));
  keep((-b - r) / (2 * a));
  return n;
}

double CubicAt(double p0, double p1, double p2, double p3, double t) {
  const double s = 1 - t;
  return s * s * s * p0 + 3 * t * s * s * p1 + 3 * t * t * s * p2 + t * t * t * p3;
}

int CBezier::MapToPixel(double u, int size, int offset) {
  const double s = std::max(size, 1);
  return offset + CoordTrunc(s * u + 0.5);
}

int CBezier::UsedPointCount() const {
  const int whole = 3 * (Count() / 3);
  if (m_closed) return whole;
  return std::min(whole + 1, Count());
}

int CBezier::SegmentCount() const { return m_closed ? Count() / 3 : std::max(0, (UsedPointCount() - 1) / 3); }

int CBezier::Next(int i) const {
  if (i < 0 || i >= Count()) return kNone;
  if (i + 1 < Count()) return i + 1;
  return m_closed ? 0 : kNone;
}

int CBezier::Prev(int i) const {
  if (i < 0 || i >= Count()) return kNone;
  if (i > 0) return i - 1;
  return m_closed ? Count() - 1 : kNone;
}

void CBezier::Open() {
  if (!m_closed || m_points.empty()) return;
  m_points.push_back({m_points.front().x, m_points.front().y, 0});
  m_closed = 0;
}

void CBezier::Close() {
  if (m_closed || m_points.empty()) return;
  m_points.pop_back();
  m_closed = 1;
}

CRect CBezier::NormalizeToBox(int left, int top, int width, int height) {
  if (m_points.empty()) return {left, top, left + width, top + height};
  CRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int i = 0; i < Count(); i += 3) {
    const int px = MapToPixel(m_points[i].x, width, left);
    const int py = MapToPixel(m_points[i].y, height, top);
    r.left = std::min(r.left, px);
    r.right = std::max(r.right, px);
    r.top = std::min(r.top, py);
    r.bottom = std::max(r.bottom, py);
  }
  const double w = std::max(width, 1), h = std::max(height, 1);
  const double fx0 = (r.left - left) / w, fx1 = (r.right - left) / w;
  const double fy0 = (r.top - top) / h, fy1 = (r.bottom - top) / h;
  // A flat anchor rectangle cannot be stretched to the unit square on that axis; the
  // points are only moved there.
  const double sx = fx1 > fx0 ? 1.0 / (fx1 - fx0) : 1.0;
  const double sy = fy1 > fy0 ? 1.0 / (fy1 - fy0) : 1.0;
  for (auto& p : m_points) {
    p.x = (p.x - fx0) * sx;
    p.y = (p.y - fy0) * sy;
  }
  return r;
}

CRect CBezier::GetBounds(int left, int top, int width, int height) const {
  if (m_points.empty()) return {left, top, left, top};
  double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
  auto take = [&](double x, double y) {
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  };
  // A closed path too short for a whole segment still has its first anchor.
  const int used = std::max(UsedPointCount(), 1);
  for (int i = 0; i < used; i += 3) take(m_points[i].x, m_points[i].y);
  for (int s = 0; s < SegmentCount(); ++s) {
    const int i = 3 * s;
    const CBezierPoint& p0 = m_points[i];
    const CBezierPoint& p1 = m_points[i + 1];
    const CBezierPoint& p2 = m_points[i + 2];
    const CBezierPoint& p3 = m_points[(i + 3) % Count()];
    double ts[4];
    int n = CubicExtrema(p0.x, p1.x, p2.x, p3.x, ts);
    n += CubicExtrema(p0.y, p1.y, p2.y, p3.y, ts + n);
    for (int k = 0; k < n; ++k)
      take(CubicAt(p0.x, p1.x, p2.x, p3.x, ts[k]), CubicAt(p0.y, p1.y, p2.y, p3.y, ts[k]));
  }
  return {MapToPixel(minX, width, left), MapToPixel(minY, height, top), MapToPixel(maxX, width, left),
          MapToPixel(maxY, height, top)};
}

void CBezier::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteU32(uint32_t(m_closed));
    ar.WriteU32(uint32_t(m_points.size()));
    for (const auto& p : m_points) {
      ar.WriteF64(p.x);
      ar.WriteF64(p.y);
      ar.WriteI32(p.type);
    }
    ar.WriteI32(m_width);
    ar.WriteEndMarker();
    return;
  }
  m_points.clear();
  m_closed = ar.ReadI32();
  const uint32_t count = ar.ReadU32();
  ar.CheckCount(count, kStoredPointBytes);
  m_points.resize(count);
  for (auto& p : m_points) {
    p.x = ar.ReadF64();
    p.y = ar.ReadF64();
    p.type = ar.ReadI32();
  }
  m_width = ar.ReadI32();
  ar.ReadU32();  // end marker, not checked
}

}  // namespace tessel
