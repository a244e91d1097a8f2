// Point editing of a drawing object's outline (a path or a polynome), in canvas pixels:
// the shape and add-point tools call these. Bitmap objects and other kinds have no
// editable points: the finders answer -1 and the editors change nothing.
#pragma once

#include "base/rect.h"

namespace tessel {

class CDrawObject;

// True when the object has points the shape tool can edit (a path or a polynome that
// is not live text).
bool HasEditablePoints(const CDrawObject& object);

// The number of points and where point i is drawn, in canvas pixels.
int ObjectPointCount(const CDrawObject& object);
CPointD ObjectPointAt(const CDrawObject& object, int i);
// True when point i is a control handle rather than an anchor.
bool IsObjectControl(const CDrawObject& object, int i);
// The anchor a control i belongs to, and the anchor's controls (-1 where there is none);
// for an anchor i itself. Used to draw the handle lines.
void ObjectAnchorControls(const CDrawObject& object, int i, int* anchor, int* in, int* out);

// The point under p (canvas pixels) within tolerance canvas pixels on each axis, or -1.
// With handles control points are preferred to anchors.
int FindObjectPoint(const CDrawObject& object, CPointD p, double tolerance, bool handles);

// Moves point i by (dx, dy) canvas pixels (an anchor takes its controls along). The box
// and the rendered bitmap are not touched: call FinishPointEdit when the edit is done.
void MoveObjectPoint(CDrawObject& object, int i, double dx, double dy);
// Makes the controls around the anchor of point i collinear, keeping their lengths.
void RealignObjectHandles(CDrawObject& object, int i);
// Inserts a point on the outline at p (canvas pixels) when it passes within tolerance
// (island: a new detached contour of a polynome). Returns the new index or -1.
int InsertObjectPoint(CDrawObject& object, CPointD p, double tolerance, bool island);
// Deletes point i's anchor with its controls; false when refused (too few anchors).
bool DeleteObjectPoint(CDrawObject& object, int i);

// After an edit: the box is refitted round the outline with the border kept and the
// object rendered again. A polynome with a deformed envelope keeps its box (the
// envelope handles are placed on it) and is only rendered.
void FinishPointEdit(CDrawObject& object);

}  // namespace tessel
