#include "geometry/polynome_point_edit.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "geometry/envelope.h"
#include "geometry/segment_edit.h"

namespace tessel {

namespace {
constexpr double kThousandth = 0.001;

double Span(int size) { return double(std::max(size, 1)); }
int Count(const CPolynome& poly) { return int(poly.m_points.size()); }
bool IsCurveStart(const CPolynome& poly, int i) { return (poly.m_points[size_t(i)].flag & kPolyCurve) != 0; }

// Raw thousandths to pixels, through the envelope as drawn.
CPointD Shown(const CPolynome& poly, const CRect& box, CPointD p) {
  const CPointD q = IsIdentityEnvelope(poly.m_envelope) ? p : ApplyEnvelope(poly.m_envelope, p);
  return {box.left + q.x * kThousandth * Span(box.Width()), box.top + q.y * kThousandth * Span(box.Height())};
}

CPointD Raw(const CPolynome& poly, int i) { return {poly.m_points[size_t(i)].x, poly.m_points[size_t(i)].y}; }

// Pixels per thousandth on each axis.
CPointD Scale(const CRect& box) { return {Span(box.Width()) * kThousandth, Span(box.Height()) * kThousandth}; }

// The contour holding i: [*start, *end).
void ContourOf(const CPolynome& poly, int i, int* start, int* end) {
  int s = i;
  while (s > 0 && !(poly.m_points[size_t(s)].flag & kPolyIsland)) --s;
  int e = i + 1;
  while (e < Count(poly) && !(poly.m_points[size_t(e)].flag & kPolyIsland)) ++e;
  *start = s, *end = e;
}

// The anchor at the other end of a contour lying on anchor a, or -1.
int Partner(const CPolynome& poly, int a) {
  int s = 0, e = 0;
  ContourOf(poly, a, &s, &e);
  const int last = e - 1;
  if (last <= s || IsPolyControl(poly, last)) return -1;
  const CPolyPoint &ps = poly.m_points[size_t(s)], &pl = poly.m_points[size_t(last)];
  if (ps.x != pl.x || ps.y != pl.y) return -1;
  return a == s ? last : a == last ? s : -1;
}

// The incoming and outgoing controls of anchor a itself (-1 where a segment is straight
// or missing).
void OwnControls(const CPolynome& poly, int a, int* in, int* out) {
  int s = 0, e = 0;
  ContourOf(poly, a, &s, &e);
  *in = a - 2 >= s && IsCurveStart(poly, a - 2) ? a - 1 : -1;
  *out = a + 1 < e && IsCurveStart(poly, a + 1) ? a + 1 : -1;
}

// The controls on either side of anchor a, looking through its partner at a contour end.
void Controls(const CPolynome& poly, int a, int* in, int* out) {
  OwnControls(poly, a, in, out);
  const int partner = Partner(poly, a);
  if (partner < 0) return;
  int pin = -1, pout = -1;
  OwnControls(poly, partner, &pin, &pout);
  if (*in < 0) *in = pin;
  if (*out < 0) *out = pout;
}

int AnchorOf(const CPolynome& poly, int i) {
  if (i < 0 || i >= Count(poly)) return -1;
  if (!IsPolyControl(poly, i)) return i;
  return IsCurveStart(poly, i) ? i - 1 : i + 1;
}

void Shift(CPolynome& poly, int k, double dx, double dy) {
  if (k < 0) return;
  poly.m_points[size_t(k)].x += dx;
  poly.m_points[size_t(k)].y += dy;
}

int AnchorsIn(const CPolynome& poly, int s, int e) {
  int n = 0;
  for (int k = s; k < e; ++k) n += IsPolyControl(poly, k) ? 0 : 1;
  return n;
}

struct Nearest {
  int from = -1;       // the segment's start anchor
  bool cubic = false;
  bool closing = false;  // the closing line of a contour (insert at its end)
  int insertAt = 0;
  double t = 0, distance = 0;
};

void Consider(Nearest* best, const Nearest& n) {
  if (best->from < 0 || n.distance < best->distance) *best = n;
}

// The segment of the polynome nearest to p (pixels).
Nearest NearestSegment(const CPolynome& poly, const CRect& box, CPointD p) {
  Nearest best;
  const int n = Count(poly);
  for (int a = 0; a < n; ++a) {
    if (IsPolyControl(poly, a)) continue;
    int s = 0, e = 0;
    ContourOf(poly, a, &s, &e);
    Nearest cand;
    cand.from = a;
    if (a + 3 < e && IsCurveStart(poly, a + 1)) {
      CubicSegment c{{Shown(poly, box, Raw(poly, a)), Shown(poly, box, Raw(poly, a + 1)),
                      Shown(poly, box, Raw(poly, a + 2)), Shown(poly, box, Raw(poly, a + 3))}};
      cand.cubic = true;
      cand.t = NearestOnCubic(c, p, &cand.distance);
      cand.insertAt = a + 3;
      Consider(&best, cand);
    } else if (a + 1 < e) {
      cand.t = NearestOnLine(Shown(poly, box, Raw(poly, a)), Shown(poly, box, Raw(poly, a + 1)), p, &cand.distance);
      cand.insertAt = a + 1;
      Consider(&best, cand);
    } else if (poly.m_open == 0 && a > s && Partner(poly, a) < 0) {
      cand.closing = true;
      cand.t = NearestOnLine(Shown(poly, box, Raw(poly, a)), Shown(poly, box, Raw(poly, s)), p, &cand.distance);
      cand.insertAt = e;
      Consider(&best, cand);
    }
  }
  return best;
}

// Starts the closed contour [s, e), whose last anchor lies on its first, at its second
// anchor instead; the old start then sits inside the contour. Returns its new index.
int RestartAfter(CPolynome& poly, int s, int e) {
  auto& pts = poly.m_points;
  const int last = e - 1;
  const int next = IsCurveStart(poly, s + 1) ? s + 3 : s + 1;
  std::vector<CPolyPoint> contour(pts.begin() + next, pts.begin() + e);
  contour.insert(contour.end(), pts.begin() + s + 1, pts.begin() + next + 1);
  contour.front().flag = uint8_t(contour.front().flag | kPolyIsland);
  const size_t oldStart = size_t(last - next);
  contour[oldStart].flag = uint8_t(contour[oldStart].flag & ~kPolyIsland);
  contour.back().flag = uint8_t(contour.back().flag & ~kPolyIsland);
  std::copy(contour.begin(), contour.end(), pts.begin() + s);
  return s + int(oldStart);
}

CPointD LerpRaw(CPointD a, CPointD b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }
}  // namespace

bool IsPolyControl(const CPolynome& poly, int i) {
  if (i < 0 || i >= Count(poly)) return false;
  if (IsCurveStart(poly, i)) return true;
  return i > 0 && IsCurveStart(poly, i - 1) && !(poly.m_points[size_t(i)].flag & kPolyIsland);
}

CPointD PolyPointAt(const CPolynome& poly, const CRect& box, int i) {
  if (i < 0 || i >= Count(poly)) return {};
  return Shown(poly, box, Raw(poly, i));
}

int FindPolyPoint(const CPolynome& poly, const CRect& box, CPointD p, double tolerance, bool handles) {
  return PickEditPoint(
      Count(poly), p, tolerance, handles, [&](int i) { return IsPolyControl(poly, i); },
      [&](int i) { return PolyPointAt(poly, box, i); });
}

void MovePolyPoint(CPolynome& poly, const CRect& box, int i, double dx, double dy) {
  if (i < 0 || i >= Count(poly)) return;
  const CPointD s = Scale(box);
  const double tx = dx / s.x, ty = dy / s.y;
  if (IsPolyControl(poly, i)) {
    Shift(poly, i, tx, ty);
    return;
  }
  // Found before the move, while the partner still lies on the anchor.
  int in = -1, out = -1;
  Controls(poly, i, &in, &out);
  const int partner = Partner(poly, i);
  for (int k : {i, in, out, partner}) Shift(poly, k, tx, ty);
}

void RealignPolyHandles(CPolynome& poly, const CRect& box, int i) {
  const int a = AnchorOf(poly, i);
  if (a < 0) return;
  int in = -1, out = -1;
  Controls(poly, a, &in, &out);
  if (in < 0 || out < 0) return;
  // Aligned in pixels of the undeformed box: the envelope is applied after.
  const CPointD s = Scale(box);
  auto px = [&](int k) { return CPointD{poly.m_points[size_t(k)].x * s.x, poly.m_points[size_t(k)].y * s.y}; };
  CPointD pin = px(in), pout = px(out);
  AlignHandles(px(a), &pin, &pout, i == in ? 1 : i == out ? 2 : 0);
  poly.m_points[size_t(in)].x = pin.x / s.x, poly.m_points[size_t(in)].y = pin.y / s.y;
  poly.m_points[size_t(out)].x = pout.x / s.x, poly.m_points[size_t(out)].y = pout.y / s.y;
}

int InsertPolyPoint(CPolynome& poly, const CRect& box, CPointD p, double tolerance, bool island) {
  if (island) {
    const CPointD s = Scale(box);
    poly.m_points.push_back({(p.x - box.left) / s.x, (p.y - box.top) / s.y, kPolyIsland});
    return Count(poly) - 1;
  }
  const Nearest n = NearestSegment(poly, box, p);
  if (n.from < 0 || n.distance > tolerance) return -1;
  auto& pts = poly.m_points;
  if (n.cubic) {
    CubicSegment c{{Raw(poly, n.from), Raw(poly, n.from + 1), Raw(poly, n.from + 2), Raw(poly, n.from + 3)}};
    CubicSegment first, second;
    SplitCubic(c, n.t, &first, &second);
    pts[size_t(n.from + 1)] = {first.p[1].x, first.p[1].y, kPolyCurve};
    pts[size_t(n.from + 2)] = {first.p[2].x, first.p[2].y, 0};
    const CPolyPoint added[3] = {{second.p[0].x, second.p[0].y, 0},
                                 {second.p[1].x, second.p[1].y, kPolyCurve},
                                 {second.p[2].x, second.p[2].y, 0}};
    pts.insert(pts.begin() + n.insertAt, added, added + 3);
    return n.insertAt;
  }
  int s = 0, e = 0;
  ContourOf(poly, n.from, &s, &e);
  const CPointD m = LerpRaw(Raw(poly, n.from), Raw(poly, n.closing ? s : n.from + 1), n.t);
  pts.insert(pts.begin() + n.insertAt, CPolyPoint{m.x, m.y, 0});
  return n.insertAt;
}

bool DeletePolyPoint(CPolynome& poly, int i) {
  int a = AnchorOf(poly, i);
  if (a < 0) return false;
  int s = 0, e = 0;
  ContourOf(poly, a, &s, &e);
  const int partner = Partner(poly, a);
  const int anchors = AnchorsIn(poly, s, e) - (partner >= 0 ? 1 : 0);
  auto& pts = poly.m_points;
  if (anchors == 1 && e - s == 1) {
    if (Count(poly) == 1) return false;  // the last point of the polynome
    pts.erase(pts.begin() + s);
    if (s < Count(poly)) pts[size_t(s)].flag |= kPolyIsland;
    return true;
  }
  if (anchors <= 2) return false;
  if (partner >= 0) a = RestartAfter(poly, s, e);
  int in = -1, out = -1;
  OwnControls(poly, a, &in, &out);
  int from = a, to = a + 1;  // [from, to) is erased
  if (in >= 0 && out >= 0) {
    from = a - 1, to = a + 2;  // the merged segment keeps the outer controls
  } else if (in >= 0) {
    from = a - 2;              // a straight line from the previous anchor on
  } else if (out >= 0) {
    to = a + 3;
  }
  pts.erase(pts.begin() + from, pts.begin() + to);
  if (a == s && s < Count(poly)) pts[size_t(s)].flag |= kPolyIsland;
  return true;
}

}  // namespace tessel
