// The outline of a path or contour set as a cairo path, in the pixels of a work
// raster: the coverage mask fills it, the wireframe view strokes it.
#pragma once

#include <cairo.h>

#include <algorithm>

#include "base/safe_round.h"

namespace tessel {

class CBezier;
class CPolynome;

constexpr double kShrinkPixels = 20.0;  // work pixels an Outline or Feather figure is pulled in
constexpr double kThousandth = 0.001;

// The rectangle the outline is drawn into and how unit coordinates map onto it: the
// work raster less the margin on every side, optionally pulled in by a percentage (the
// "Outline" and "Feather" bevels).

class PointMapper {
 public:
  PointMapper(int margin, int workW, int workH, double shrinkPercent) : m_left(margin), m_top(margin) {
    m_width = std::max(workW - 2 * margin, 1);
    m_height = std::max(workH - 2 * margin, 1);
    if (shrinkPercent > 0) {
      m_fx = shrinkPercent / 100 + kShrinkPixels / m_width;
      m_fy = shrinkPercent / 100 + kShrinkPixels / m_height;
    }
  }
  // A unit coordinate (0..1), rounded to the nearest work pixel.
  double X(double nx) const { return m_left + CoordTrunc(Pull(Flat(nx, m_width), m_fx) * m_width + 0.5); }
  double Y(double ny) const { return m_top + CoordTrunc(Pull(Flat(ny, m_height), m_fy) * m_height + 0.5); }
  // A contour coordinate in thousandths, truncated.
  double ContourX(double px) const {
    return m_left + CoordTrunc(Pull(Flat(px * kThousandth, m_width), m_fx) * m_width);
  }
  double ContourY(double py) const {
    return m_top + CoordTrunc(Pull(Flat(py * kThousandth, m_height), m_fy) * m_height);
  }

 private:
  static double Flat(double n, int size) { return size < 2 ? 0.5 : n; }
  static double Pull(double n, double f) { return (1 - f) * n + f / 2; }
  int m_left, m_top, m_width, m_height;
  double m_fx = 0, m_fy = 0;
};

// Adds the Bezier path (anchor, control, control triples) to the current cairo path,
// closed when the path is closed. Returns false when the path has no points.
bool AddShapePath(cairo_t* cr, const CBezier& path, const PointMapper& map);
// Adds every contour of the polynome (coordinates in thousandths, bent by its
// envelope), each closed.
void AddContours(cairo_t* cr, const CPolynome& poly, const PointMapper& map);

}  // namespace tessel
