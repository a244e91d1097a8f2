// The geometry under point editing of outlines: the point of a cubic or straight
// segment nearest to a given point, the de Casteljau split of a cubic (the curve keeps
// its shape), and the re-alignment of the two control handles of an anchor.
#pragma once

#include <functional>

#include "base/rect.h"

namespace tessel {

// A cubic Bezier segment from p[0] to p[3] with controls p[1] and p[2].
struct CubicSegment {
  CPointD p[4];
  CPointD At(double t) const;
};

// The parameter t in [0, 1] of the point of the segment nearest to q, and in
// *distance that point's distance from q.
double NearestOnCubic(const CubicSegment& c, CPointD q, double* distance);
double NearestOnLine(CPointD a, CPointD b, CPointD q, double* distance);

// Splits c at t: *first runs from c.p[0] to c.At(t), *second from there to c.p[3];
// together they trace exactly the same curve.
void SplitCubic(const CubicSegment& c, double t, CubicSegment* first, CubicSegment* second);

// Makes the handles *in and *out of anchor collinear through it, on opposite sides,
// each keeping its distance from the anchor. keep says which handle keeps its
// direction: 1 the incoming, 2 the outgoing, 0 neither (both turn to the mean of their
// directions). A handle lying on the anchor leaves both unchanged (a corner stays a
// corner).
void AlignHandles(CPointD anchor, CPointD* in, CPointD* out, int keep);

// The point of an outline a click at p picks: among points 0..count-1 (pointAt(i) in
// window pixels), the nearest that lies within tolerance of p on both axes, looking
// first at the control handles (isControl, only when handles) and then at the anchors.
// -1 when none is that close.
int PickEditPoint(int count, CPointD p, double tolerance, bool handles, const std::function<bool(int)>& isControl,
                  const std::function<CPointD(int)>& pointAt);

}  // namespace tessel
