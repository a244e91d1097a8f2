#include "geometry/segment_edit.h"

#include <algorithm>
#include <cmath>

namespace tessel {

namespace {
constexpr int kCoarseSamples = 64;     // first pass along a cubic
constexpr int kRefineSteps = 40;       // ternary steps around the best sample
constexpr double kOnAnchor = 1e-12;    // squared handle length treated as none

CPointD Lerp(CPointD a, CPointD b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }
double Dist(CPointD a, CPointD b) { return std::hypot(a.x - b.x, a.y - b.y); }
}  // namespace

CPointD CubicSegment::At(double t) const {
  const double u = 1 - t;
  const double w0 = u * u * u, w1 = 3 * t * u * u, w2 = 3 * t * t * u, w3 = t * t * t;
  return {w0 * p[0].x + w1 * p[1].x + w2 * p[2].x + w3 * p[3].x,
          w0 * p[0].y + w1 * p[1].y + w2 * p[2].y + w3 * p[3].y};
}

double NearestOnCubic(const CubicSegment& c, CPointD q, double* distance) {
  int best = 0;
  double bestD = Dist(c.At(0), q);
  for (int i = 1; i <= kCoarseSamples; ++i) {
    const double d = Dist(c.At(double(i) / kCoarseSamples), q);
    if (d < bestD) bestD = d, best = i;
  }
  // The distance is unimodal near the best sample: narrow the bracket around it.
  double lo = std::max(0, best - 1) / double(kCoarseSamples);
  double hi = std::min(kCoarseSamples, best + 1) / double(kCoarseSamples);
  for (int i = 0; i < kRefineSteps; ++i) {
    const double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
    if (Dist(c.At(m1), q) < Dist(c.At(m2), q)) hi = m2;
    else lo = m1;
  }
  const double t = (lo + hi) / 2;
  *distance = Dist(c.At(t), q);
  return t;
}

double NearestOnLine(CPointD a, CPointD b, CPointD q, double* distance) {
  const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
  const double t = len2 > 0 ? std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
  *distance = Dist(Lerp(a, b, t), q);
  return t;
}

void SplitCubic(const CubicSegment& c, double t, CubicSegment* first, CubicSegment* second) {
  const CPointD a = Lerp(c.p[0], c.p[1], t), b = Lerp(c.p[1], c.p[2], t), d = Lerp(c.p[2], c.p[3], t);
  const CPointD ab = Lerp(a, b, t), bd = Lerp(b, d, t), m = Lerp(ab, bd, t);
  *first = {{c.p[0], a, ab, m}};
  *second = {{m, bd, d, c.p[3]}};
}

void AlignHandles(CPointD anchor, CPointD* in, CPointD* out, int keep) {
  const double ix = in->x - anchor.x, iy = in->y - anchor.y, ox = out->x - anchor.x, oy = out->y - anchor.y;
  const double li2 = ix * ix + iy * iy, lo2 = ox * ox + oy * oy;
  if (li2 <= kOnAnchor || lo2 <= kOnAnchor) return;
  const double li = std::sqrt(li2), lo = std::sqrt(lo2);
  // u: the direction of the outgoing handle after alignment.
  double ux = ox / lo, uy = oy / lo;
  if (keep == 1) {
    ux = -ix / li, uy = -iy / li;
  } else if (keep == 0) {
    ux = ox / lo - ix / li, uy = oy / lo - iy / li;
    const double l = std::hypot(ux, uy);
    if (l <= 0) return;  // the handles point the same way: no mean direction
    ux /= l, uy /= l;
  }
  *out = {anchor.x + ux * lo, anchor.y + uy * lo};
  *in = {anchor.x - ux * li, anchor.y - uy * li};
}

int PickEditPoint(int count, CPointD p, double tolerance, bool handles, const std::function<bool(int)>& isControl,
                  const std::function<CPointD(int)>& pointAt) {
  // Pass 0 looks at controls (only with handles), pass 1 at anchors.
  for (int pass = handles ? 0 : 1; pass < 2; ++pass) {
    int best = -1;
    double bestD = 0;
    for (int i = 0; i < count; ++i) {
      if (isControl(i) != (pass == 0)) continue;
      const CPointD q = pointAt(i);
      const double dx = std::fabs(q.x - p.x), dy = std::fabs(q.y - p.y);
      if (dx > tolerance || dy > tolerance) continue;
      const double d = dx * dx + dy * dy;
      if (best < 0 || d < bestD) best = i, bestD = d;
    }
    if (best >= 0) return best;
  }
  return -1;
}

}  // namespace tessel
