// The outline of an arrow line: a straight shaft from a tail point to a tip point with
// a triangular head at the tip, as a closed polygon of straight Bezier segments.
#pragma once

#include <vector>

#include "base/rect.h"

namespace tessel {

// The head is twice as long as it is half wide, and the shaft is a third of the head's
// width; a head longer than the whole arrow starts at the tail.
constexpr double kArrowHeadLengthRatio = 2.0;
constexpr double kArrowShaftRatio = 1.0 / 3.0;
// Without a head width given, the head's half width is this part of the arrow's length.
constexpr double kArrowDefaultHeadRatio = 0.125;
constexpr double kArrowMinHeadHalfWidth = 2.0;

// Pixel points of the arrow from tail to tip, as Bezier triples (anchor, outgoing
// control, incoming control of the next anchor) of a closed path: seven corners, each
// segment straight. headPoint's horizontal distance from tip is the half width of the
// head (0: a default width from the length). Returns no points when tail and tip lie
// less than one pixel apart.
std::vector<CPointD> ArrowOutline(CPointD tail, CPointD tip, CPointD headPoint);

}  // namespace tessel
