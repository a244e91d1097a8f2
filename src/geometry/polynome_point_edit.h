// Point editing of a CPolynome spread over a pixel box (thousandths of the box; a width
// or height below 1 counts as 1). Points are shown where the envelope puts them. An
// anchor is a point that is not a curve control; a kPolyCurve point and the point after
// it are the two controls of a cubic segment. A contour whose last anchor lies on its
// first (a converted closed path) treats the two as one point.
#pragma once

#include "base/rect.h"
#include "geometry/polynome.h"

namespace tessel {

// Where point i is drawn, in pixels (after the envelope).
CPointD PolyPointAt(const CPolynome& poly, const CRect& box, int i);

// True when point i is a curve control.
bool IsPolyControl(const CPolynome& poly, int i);

// The index of the point nearest to p (pixels) no farther than tolerance pixels on
// either axis, or -1. Without handles only anchors are looked at; with handles the
// controls first, then anchors.
int FindPolyPoint(const CPolynome& poly, const CRect& box, CPointD p, double tolerance, bool handles);

// Moves point i by (dx, dy) pixels; an anchor carries its controls (and the point it
// coincides with at the other end of its contour) along.
void MovePolyPoint(CPolynome& poly, const CRect& box, int i, double dx, double dy);

// As RealignPathHandles for the anchor of point i.
void RealignPolyHandles(CPolynome& poly, const CRect& box, int i);

// With island set, appends p as a new contour of one point and returns its index.
// Otherwise splits the segment (line or cubic; the closing line of a closed contour
// counts) nearest to p at the parameter nearest to p when it passes within tolerance
// pixels, and returns the new anchor's index; -1 when nothing is near.
int InsertPolyPoint(CPolynome& poly, const CRect& box, CPointD p, double tolerance, bool island);

// Deletes the anchor of point i with its controls; the neighbouring segments merge. A
// contour keeps at least 2 anchors, except that a detached single point goes when
// other points remain. Returns false when refused.
bool DeletePolyPoint(CPolynome& poly, int i);

}  // namespace tessel
