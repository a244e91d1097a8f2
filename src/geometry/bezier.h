// CBezier: a cubic Bezier path in unit coordinates of its object's box, (0,0) top-left
// and (1,1) bottom-right. Points come in triples: anchor, outgoing control, incoming
// control of the next anchor. A closed path of k segments has 3k points (the last
// segment returns to point 0); an open one has 3k + 1, the last being the end anchor.
#pragma once

#include <cstdint>
#include <vector>

#include "base/rect.h"

namespace tessel {

class CArchive;

struct CBezierPoint {
  double x = 0;
  double y = 0;
  int32_t type = 0;  // 0 for every point the shape builders make
  bool operator==(const CBezierPoint& o) const { return x == o.x && y == o.y && type == o.type; }
  bool operator!=(const CBezierPoint& o) const { return !(*this == o); }
};

class CBezier {
 public:
  static constexpr int kNone = -1;  // "no point" for navigation

  int32_t m_closed = 1;    // 1: the last segment returns to the first point
  int32_t m_modified = 0;  // run-time only, not stored
  int32_t m_width = 2;     // stroke width of an open path in pixels
  std::vector<CBezierPoint> m_points;

  void AddPoint(double x, double y) { m_points.push_back({x, y, 0}); }
  void Clear() { m_points.clear(); }
  int Count() const { return int(m_points.size()); }

  // Standard outlines; each replaces the points and closes the path.
  void MakeRectangle();
  void MakeEllipse();
  // r is the corner radius as a fraction of the width; width and height in pixels.
  void MakeRoundRect(double r, int width, int height);
  // n outer points (raised to 3), depth d (raised to 1): inner radius 0.5 / d.
  void MakeStar(int n, double d);

  // "Break Path": a closed path with points gets a copy of its first point appended
  // and becomes open. Nothing happens otherwise.
  void Open();
  // "Close Path": an open path with points loses its last point and becomes closed.
  void Close();

  // Maps the anchors into the given pixel box, returns their bounding rectangle and
  // rescales all points so that this rectangle becomes the unit square. A path without
  // points returns the given rectangle (left, top, left + width, top + height).
  CRect NormalizeToBox(int left, int top, int width, int height);
  // The pixel rectangle covered by the curve when the unit square is mapped onto the
  // given pixel box.
  CRect GetBounds(int left, int top, int width, int height) const;

  // Points belonging to whole segments: 3 * floor(count / 3), plus 1 when open.
  int UsedPointCount() const;
  int SegmentCount() const;
  static bool IsAnchor(int i) { return i >= 0 && i % 3 == 0; }
  // The index after / before i, wrapping on a closed path; kNone past an open end.
  int Next(int i) const;
  int Prev(int i) const;

  // u32 closed, u32 count, count x (f64 x, f64 y, u32 type), u32 width, end marker.
  void Serialize(CArchive& ar);

  // A unit coordinate u on an axis of pixel size s (raised to 1) and offset o.
  static int MapToPixel(double u, int size, int offset);

  bool operator==(const CBezier& o) const {
    return m_closed == o.m_closed && m_width == o.m_width && m_points == o.m_points;
  }
};

// Writes the parameters t in (0, 1) where the derivative of the cubic with control
// values p0..p3 vanishes to out; returns how many (0 to 2).
int CubicExtrema(double p0, double p1, double p2, double p3, double out[2]);
// Evaluates the cubic with control values p0..p3 at t.
double CubicAt(double p0, double p1, double p2, double p3, double t);

}  // namespace tessel
