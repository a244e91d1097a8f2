#include "geometry/outline_transform.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "geometry/envelope.h"

namespace tessel {

namespace {
constexpr double kThousand = 1000.0;

// Running bounds of real points.
struct Extent {
  double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
  void Take(double x, double y) {
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
  // Whole pixels: the size is rounded on its own so that a quarter turn swaps the
  // sizes exactly. Halves go to the even neighbour, so that turns back and forth do not
  // walk the box steadily in one direction.
  CRect Rounded() const {
    const int left = int(std::nearbyint(minX)), top = int(std::nearbyint(minY));
    return {left, top, left + int(std::nearbyint(maxX - minX)), top + int(std::nearbyint(maxY - minY))};
  }
};

// The pixel extent of a path whose points are already pixels.
Extent CurveExtent(const CBezier& pixels) {
  Extent e;
  const auto& pts = pixels.m_points;
  const int used = std::max(pixels.UsedPointCount(), 1);
  for (int i = 0; i < used; i += 3) e.Take(pts[size_t(i)].x, pts[size_t(i)].y);
  for (int s = 0; s < pixels.SegmentCount(); ++s) {
    const size_t i = size_t(3 * s);
    const CBezierPoint &p0 = pts[i], &p1 = pts[i + 1], &p2 = pts[i + 2];
    const CBezierPoint& p3 = pts[(i + 3) % pts.size()];
    double ts[4];
    int n = CubicExtrema(p0.x, p1.x, p2.x, p3.x, ts);
    n += CubicExtrema(p0.y, p1.y, p2.y, p3.y, ts + n);
    for (int k = 0; k < n; ++k)
      e.Take(CubicAt(p0.x, p1.x, p2.x, p3.x, ts[k]), CubicAt(p0.y, p1.y, p2.y, p3.y, ts[k]));
  }
  return e;
}

double Span(int size) { return std::max(size, 1); }

// Maps a point in units of box (scale 1 for unit, 1000 for thousandths) through m.
CPointD ToPixel(double x, double y, const CRect& box, double unit, const CAffine& m) {
  return m.Apply({box.left + x / unit * Span(box.Width()), box.top + y / unit * Span(box.Height())});
}

// The pixel point in units (1 or 1000) of the extent e: its bounds become the unit
// square. A flat extent puts its points on the middle line.
CPointD FromPixel(CPointD p, const Extent& e, double unit) {
  constexpr double kFlat = 1e-12;
  auto along = [unit](double v, double lo, double hi) { return hi - lo > kFlat ? (v - lo) / (hi - lo) * unit : unit / 2; };
  return {along(p.x, e.minX, e.maxX), along(p.y, e.minY, e.maxY)};
}

// The handle a mirror puts in place of handle i (corners TL TR BR BL, then the edge
// midpoints top right bottom left).
int MirrorPartner(int i, bool horizontal) {
  static constexpr int kHorizontal[kEnvelopeHandles] = {1, 0, 3, 2, 4, 7, 6, 5};
  static constexpr int kVertical[kEnvelopeHandles] = {3, 2, 1, 0, 6, 5, 4, 7};
  return horizontal ? kHorizontal[i] : kVertical[i];
}
}  // namespace

CRect TransformBezier(CBezier& path, const CRect& box, const CAffine& m) {
  if (path.m_points.empty()) return box;
  CBezier pixels = path;
  for (auto& p : pixels.m_points) {
    const CPointD q = ToPixel(p.x, p.y, box, 1.0, m);
    p.x = q.x;
    p.y = q.y;
  }
  const Extent e = CurveExtent(pixels);
  for (size_t i = 0; i < path.m_points.size(); ++i) {
    const CPointD u = FromPixel({pixels.m_points[i].x, pixels.m_points[i].y}, e, 1.0);
    path.m_points[i].x = u.x;
    path.m_points[i].y = u.y;
  }
  return e.Rounded();
}

CRect TransformPolynome(CPolynome& poly, const CRect& box, const CAffine& m) {
  if (poly.IsEmpty()) return box;
  std::vector<CPointD> pixels;
  pixels.reserve(poly.m_points.size());
  Extent e;
  for (const auto& p : poly.m_points) {
    pixels.push_back(ToPixel(p.x, p.y, box, kThousand, m));
    e.Take(pixels.back().x, pixels.back().y);
  }
  for (size_t i = 0; i < pixels.size(); ++i) {
    const CPointD t = FromPixel(pixels[i], e, kThousand);
    poly.m_points[i].x = t.x;
    poly.m_points[i].y = t.y;
  }
  return e.Rounded();
}

void BakeEnvelope(CPolynome& poly) {
  if (IsIdentityEnvelope(poly.m_envelope)) return;
  for (auto& p : poly.m_points) {
    const CPointD q = ApplyEnvelope(poly.m_envelope, {p.x, p.y});
    p.x = q.x;
    p.y = q.y;
  }
  poly.m_envelope.fill(0.0);
}

void MirrorBezier(CBezier& path, bool horizontal) {
  for (auto& p : path.m_points) (horizontal ? p.x : p.y) = 1.0 - (horizontal ? p.x : p.y);
}

void MirrorPolynome(CPolynome& poly, bool horizontal) {
  auto mirror = [horizontal](CPointD p) {
    return horizontal ? CPointD{kThousand - p.x, p.y} : CPointD{p.x, kThousand - p.y};
  };
  for (auto& p : poly.m_points) {
    const CPointD q = mirror({p.x, p.y});
    p.x = q.x;
    p.y = q.y;
  }
  if (IsIdentityEnvelope(poly.m_envelope)) return;
  EnvelopeValues mirrored{};
  for (int i = 0; i < kEnvelopeHandles; ++i)
    SetEnvelopeHandle(mirrored, i, mirror(EnvelopeHandle(poly.m_envelope, MirrorPartner(i, horizontal))));
  poly.m_envelope = mirrored;
}

}  // namespace tessel
