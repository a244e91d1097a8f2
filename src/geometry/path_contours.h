// A Bezier path as a contour set: the same outline, its curves kept as cubic segments.
#pragma once

#include "geometry/polynome.h"

namespace tessel {

class CBezier;

// One contour (its first point marked kPolyIsland) in thousandths of the same box;
// m_open is set for an open path. An empty path gives an empty set.
CPolynome PathToContours(const CBezier& path);

}  // namespace tessel
