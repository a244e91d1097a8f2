// Free-hand strokes: the cleaned point list and the bounds of the curve it describes.
#pragma once

#include <vector>

#include "base/rect.h"

namespace tessel {

// Rounds the points to whole pixels and drops each point equal to the one before it;
// with close set and at least 6 input points, appends the first point once more.
std::vector<CPointD> CleanFreeHandStroke(const std::vector<CPointD>& points, bool close);

// Bounds of a point list read as Bezier segments (anchor, control, control, next
// anchor), each sampled at t = 0, 0.05, ... while t < 1 and at its end anchor, every
// sample rounded by adding 0.5 and truncating. Right and bottom are the maxima.
CRect SampledCurveBounds(const std::vector<CPointD>& points);

}  // namespace tessel
