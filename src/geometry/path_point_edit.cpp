#include "geometry/path_point_edit.h"

#include <algorithm>
#include <cmath>

#include "geometry/segment_edit.h"

namespace tessel {

namespace {
double Span(int size) { return double(std::max(size, 1)); }

CPointD ToPixels(const CBezierPoint& p, const CRect& box) {
  return {box.left + p.x * Span(box.Width()), box.top + p.y * Span(box.Height())};
}

void SetFromPixels(CBezierPoint& p, const CRect& box, CPointD q) {
  p.x = (q.x - box.left) / Span(box.Width());
  p.y = (q.y - box.top) / Span(box.Height());
}

// The neighbours of index i among the points of whole segments, or -1 past an open end.
int After(const CBezier& path, int i) {
  const int used = path.UsedPointCount();
  if (i + 1 < used) return i + 1;
  return path.m_closed ? 0 : -1;
}

int Before(const CBezier& path, int i) {
  if (i > 0) return i - 1;
  return path.m_closed && path.UsedPointCount() > 0 ? path.UsedPointCount() - 1 : -1;
}

int AnchorCount(const CBezier& path) {
  const int used = path.UsedPointCount();
  return path.m_closed ? used / 3 : (used + 2) / 3;
}
}  // namespace

CPointD PathPointAt(const CBezier& path, const CRect& box, int i) {
  if (i < 0 || i >= path.Count()) return {};
  return ToPixels(path.m_points[size_t(i)], box);
}

int PathAnchorOf(const CBezier& path, int i) {
  if (i < 0 || i >= path.UsedPointCount()) return -1;
  if (i % 3 == 0) return i;
  if (i % 3 == 1) return i - 1;
  return After(path, i);
}

int FindPathPoint(const CBezier& path, const CRect& box, CPointD p, double tolerance, bool handles) {
  return PickEditPoint(
      path.UsedPointCount(), p, tolerance, handles, [](int i) { return !CBezier::IsAnchor(i); },
      [&](int i) { return ToPixels(path.m_points[size_t(i)], box); });
}

void MovePathPoint(CBezier& path, const CRect& box, int i, double dx, double dy) {
  if (i < 0 || i >= path.Count()) return;
  const double ux = dx / Span(box.Width()), uy = dy / Span(box.Height());
  auto shift = [&](int k) {
    if (k < 0) return;
    path.m_points[size_t(k)].x += ux;
    path.m_points[size_t(k)].y += uy;
  };
  shift(i);
  if (CBezier::IsAnchor(i) && i < path.UsedPointCount()) {
    shift(Before(path, i));
    shift(After(path, i));
  }
}

void RealignPathHandles(CBezier& path, const CRect& box, int i) {
  const int a = PathAnchorOf(path, i);
  if (a < 0) return;
  const int in = Before(path, a), out = After(path, a);
  if (in < 0 || out < 0 || in == out) return;
  CPointD pin = ToPixels(path.m_points[size_t(in)], box), pout = ToPixels(path.m_points[size_t(out)], box);
  const int keep = i == in ? 1 : i == out ? 2 : 0;
  AlignHandles(ToPixels(path.m_points[size_t(a)], box), &pin, &pout, keep);
  SetFromPixels(path.m_points[size_t(in)], box, pin);
  SetFromPixels(path.m_points[size_t(out)], box, pout);
}

int InsertPathPoint(CBezier& path, const CRect& box, CPointD p, double tolerance) {
  const int segments = path.SegmentCount();
  int bestSeg = -1;
  double bestT = 0, bestD = 0;
  for (int s = 0; s < segments; ++s) {
    CubicSegment c;
    for (int k = 0; k < 4; ++k) {
      const int idx = k < 3 ? 3 * s + k : After(path, 3 * s + 2);
      c.p[k] = ToPixels(path.m_points[size_t(idx)], box);
    }
    double d = 0;
    const double t = NearestOnCubic(c, p, &d);
    if (bestSeg < 0 || d < bestD) bestSeg = s, bestT = t, bestD = d;
  }
  if (bestSeg < 0 || bestD > tolerance) return -1;
  const int base = 3 * bestSeg;
  const int end = After(path, base + 2);
  // Split in unit coordinates: the split is affine, so the pixel curve is unchanged.
  CubicSegment c;
  for (int k = 0; k < 4; ++k) {
    const CBezierPoint& q = path.m_points[size_t(k < 3 ? base + k : end)];
    c.p[k] = {q.x, q.y};
  }
  CubicSegment first, second;
  SplitCubic(c, bestT, &first, &second);
  path.m_points[size_t(base + 1)] = {first.p[1].x, first.p[1].y, 0};
  path.m_points[size_t(base + 2)] = {first.p[2].x, first.p[2].y, 0};
  const CBezierPoint added[3] = {{second.p[0].x, second.p[0].y, 0},
                                 {second.p[1].x, second.p[1].y, 0},
                                 {second.p[2].x, second.p[2].y, 0}};
  path.m_points.insert(path.m_points.begin() + base + 3, added, added + 3);
  return base + 3;
}

bool DeletePathPoint(CBezier& path, int i) {
  const int a = PathAnchorOf(path, i);
  if (a < 0 || AnchorCount(path) <= 2) return false;
  auto& pts = path.m_points;
  const int used = path.UsedPointCount();
  if (a == 0) {
    // The first anchor goes with its outgoing control; on a closed path the closing
    // segment keeps the incoming control of the new first anchor.
    if (path.m_closed) pts[size_t(used - 1)] = pts[2];
    pts.erase(pts.begin(), pts.begin() + 3);
  } else if (!path.m_closed && a == used - 1) {
    pts.erase(pts.begin() + (a - 2), pts.begin() + (a + 1));  // the end anchor and its incoming segment
  } else {
    pts.erase(pts.begin() + (a - 1), pts.begin() + (a + 2));  // incoming control, anchor, outgoing control
  }
  return true;
}

}  // namespace tessel
