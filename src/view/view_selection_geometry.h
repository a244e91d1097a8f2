// Geometry shared by the selection code of the editing view: where the handles of a
// rectangle lie, which corner a dragged handle is measured from, and the area a
// selected object occupies on screen.
#pragma once

#include "base/rect.h"

namespace tessel {

class CDrawObject;

// A handle is 6 by 6 window pixels, from 2 pixels outside its corner or edge midpoint
// to 4 pixels inside it.
constexpr int kHandleSize = 6;
constexpr int kHandleOutside = 2;
constexpr int kHandleInside = kHandleSize - kHandleOutside;
// How far handles, frames and tags reach beyond a selection rectangle (window pixels).
constexpr int kHandleReach = 4;
// The multi-selection frame is the members' union grown by this.
constexpr int kSelectionFrameGrow = 4;

// The window rectangle of handle 1..8 of rectangle r (window pixels); empty otherwise.
CRect HandleRect(const CRect& r, int handle);

// The point a drag with handle measures its offset from: the bottom for handles 2 and
// 7, the bottom-right for 3, the right for 4 and 6, else the top-left.
CPoint HandleReference(const CRect& r, int handle);

// What a selected object covers: its effect rectangle and its selection rectangle.
CRect ObjectArea(const CDrawObject& object);

}  // namespace tessel
