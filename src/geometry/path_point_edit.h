// Point editing of a CBezier spread over a pixel box (the unit square maps onto box;
// a width or height below 1 counts as 1). Indices are those of the path's point list:
// anchors at multiples of 3, each followed by its outgoing control; the control before
// an anchor is its incoming one. Only points of whole segments are looked at.
#pragma once

#include "base/rect.h"
#include "geometry/bezier.h"

namespace tessel {

// Where point i lies, in pixels.
CPointD PathPointAt(const CBezier& path, const CRect& box, int i);

// The index of the point nearest to p (pixels) no farther than tolerance pixels on
// either axis, or -1. Without handles only anchors are looked at; with handles the
// control points are looked at first and anchors only when no control is near.
int FindPathPoint(const CBezier& path, const CRect& box, CPointD p, double tolerance, bool handles);

// Moves point i by (dx, dy) pixels; an anchor carries its two controls along.
void MovePathPoint(CBezier& path, const CRect& box, int i, double dx, double dy);

// Makes the two controls of the anchor of point i (i itself, or the anchor whose
// control i is) collinear through the anchor, keeping their lengths in pixels. When i
// is a control, it keeps its direction and the other control turns opposite it.
// Controls lying on their anchor, and the open ends of a path, stay as they are.
void RealignPathHandles(CBezier& path, const CRect& box, int i);

// Splits the segment nearest to p (pixels) at its parameter nearest to p, when the
// curve passes within tolerance pixels; the curve's shape does not change. Returns the
// index of the new anchor, or -1 when no segment is near.
int InsertPathPoint(CBezier& path, const CRect& box, CPointD p, double tolerance);

// Deletes the anchor of point i with its two controls; the segments on each side merge
// into one, keeping the outer controls. Refused (false) when the path would keep fewer
// than 2 anchors or i is not a point of a whole segment.
bool DeletePathPoint(CBezier& path, int i);

// The anchor point i belongs to (its own index for an anchor), or -1.
int PathAnchorOf(const CBezier& path, int i);

}  // namespace tessel
