// Dab placement along one pointer segment of a stroke.
//
// With P0 and P1 in view pixels, zoom z, step = the brush's DabStep():
//   d = √(((x1 − x0)/z)² + ((y1 − y0)/z)²), n = max(1, trunc(d/step + 0.5)) (1 when
//   spacing is off). Dabs sit at P0 + k·(P1 − P0)/n, k = 0..n−1 on the first segment
//   of a stroke and k = 1..n after it, so that no point is stamped twice. A dab at
//   (x, y) has its left column trunc(R(x/z) − hw − ox/z) and its bottom row
//   trunc(H − R(y/z) − hh + oy/z), R(v) = trunc(v + 0.5), hw and hh half the dab size.
#pragma once

#include <vector>

#include "base/rect.h"

namespace tessel {

struct CSegmentInput {
  CPointD p0, p1;           // view pixels, y downward
  double zoom = 1.0;        // view pixels per layer pixel
  double offsetX = 0.0;     // the layer's offset in the view, view pixels
  double offsetY = 0.0;
  int layerHeight = 0;      // H
  int dabWidth = 0, dabHeight = 0;
  int step = 1;             // the brush's DabStep()
  bool spacingEnabled = true;
  bool firstSegment = true;
};

struct CDabPlacement {
  int left = 0;    // layer column
  int bottom = 0;  // layer row counted from the bottom
};

// The dabs of one segment, in stamping order.
std::vector<CDabPlacement> PlaceDabs(const CSegmentInput& in);

// The stroke direction of a segment in whole degrees 0..359 (y downward); the previous
// angle when the segment has no length.
int StrokeAngle(CPointD p0, CPointD p1, int previous);

// The view rectangle a segment repaints: P0 to P1 widened by trunc(2 · max(half, 4) · z)
// (hw horizontally, hh vertically).
CRect SegmentRedrawRect(CPointD p0, CPointD p1, int hw, int hh, double zoom);

// The layer point (column, row from the top) under a view point.
CPointD ViewToLayer(CPointD view, double zoom, double offsetX, double offsetY);

}  // namespace tessel
