// Small point helpers shared by the creation tools of the editing view.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "base/rect.h"

namespace tessel {

// A press or release closes a path or stroke when it lies strictly within this many
// document pixels of the start point on both axes.
constexpr int kCloseDistance = 4;

inline bool NearStart(CPoint p, CPoint start) {
  return std::abs(p.x - start.x) < kCloseDistance && std::abs(p.y - start.y) < kCloseDistance;
}

inline CPointD ToPointD(CPoint p) { return {double(p.x), double(p.y)}; }

// The whole-pixel rectangle around the points, grown by margin; empty for no points.
inline CRect PointBounds(const std::vector<CPointD>& points, int margin) {
  if (points.empty()) return {};
  double minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
  for (const CPointD& p : points) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  return CRect{int(std::floor(minX)), int(std::floor(minY)), int(std::ceil(maxX)) + 1, int(std::ceil(maxY)) + 1}
      .Inflated(margin);
}

}  // namespace tessel
