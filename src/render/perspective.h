// The perspective of an object: the unit square mapped onto the quadrilateral of its
// four corners (the projective square-to-quad mapping), and the warp of a bitmap and
// its mask through it.
#pragma once

#include <array>

#include "base/rect.h"

namespace tessel {

class CDIBSection;
struct CCoverageMask;

class CPerspectiveMap {
 public:
  // Corners top-left, top-right, bottom-left, bottom-right in pixels.
  CPerspectiveMap(const std::array<CPointD, 4>& corners);
  // Corners given in units of a box of width x height (the object's m_perspX/m_perspY).
  static CPerspectiveMap FromBoxUnits(const std::array<float, 4>& px, const std::array<float, 4>& py, int width,
                                      int height);

  // Maps (u, v) of the unit square to pixels.
  CPointD Map(double u, double v) const;
  // The unit-square point that maps to (x, y); false where no point does (on the
  // vanishing line).
  bool Unmap(double x, double y, double* u, double* v) const;
  // The pixel rectangle covered by the four mapped corners (right and bottom
  // exclusive, rounded outwards).
  CRect Extent() const;

  // Coefficients of x = (a u + b v + c) / (g u + h v + 1), y = (d u + e v + f) / (...).
  double a, b, c, d, e, f, g, h;
};

// Warps a 32-bit bitmap and its coverage mask (both box-sized) through the map into
// new ones of the same size: every destination pixel is sampled bilinearly at its
// source point; pixels outside the quadrilateral become transparent and uncovered.
void WarpBitmapAndMask(const CPerspectiveMap& map, CDIBSection& bitmap, CCoverageMask& mask);

}  // namespace tessel
