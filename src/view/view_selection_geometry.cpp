// Handle placement and drag reference corners of selection rectangles.
#include "view/view_selection_geometry.h"

#include "document/draw_object.h"
#include "render/compositor.h"
#include "view/view_tool.h"

namespace tessel {

namespace {
// The handle of corner (x, y): 2 pixels outside it and 4 inside; inX (inY) is +1 when
// the inside lies towards larger x (y).
CRect CornerHandle(int x, int y, int inX, int inY) {
  const int left = inX > 0 ? x - kHandleOutside : x - kHandleInside;
  const int top = inY > 0 ? y - kHandleOutside : y - kHandleInside;
  return {left, top, left + kHandleSize, top + kHandleSize};
}
}  // namespace

CRect HandleRect(const CRect& r, int handle) {
  const int midX = r.left + r.Width() / 2 - kHandleSize / 2;
  const int midY = r.top + r.Height() / 2 - kHandleSize / 2;
  switch (handle) {
    case kHandleTopLeft: return CornerHandle(r.left, r.top, 1, 1);
    case kHandleBottomLeft: return CornerHandle(r.left, r.bottom, 1, -1);
    case kHandleBottomRight: return CornerHandle(r.right, r.bottom, -1, -1);
    case kHandleTopRight: return CornerHandle(r.right, r.top, -1, 1);
    case kHandleTop: {
      const CRect c = CornerHandle(r.left, r.top, 1, 1);
      return {midX, c.top, midX + kHandleSize, c.bottom};
    }
    case kHandleRight: {
      const CRect c = CornerHandle(r.right, r.top, -1, 1);
      return {c.left, midY, c.right, midY + kHandleSize};
    }
    case kHandleBottom: {
      const CRect c = CornerHandle(r.left, r.bottom, 1, -1);
      return {midX, c.top, midX + kHandleSize, c.bottom};
    }
    case kHandleLeft: {
      const CRect c = CornerHandle(r.left, r.top, 1, 1);
      return {c.left, midY, c.right, midY + kHandleSize};
    }
    default: return {};
  }
}

CPoint HandleReference(const CRect& r, int handle) {
  switch (handle) {
    case kHandleBottomLeft:
    case kHandleBottom: return {r.left, r.bottom};
    case kHandleBottomRight: return {r.right, r.bottom};
    case kHandleTopRight:
    case kHandleRight: return {r.right, r.top};
    default: return {r.left, r.top};
  }
}

CRect ObjectArea(const CDrawObject& object) { return EffectRect(object).Union(object.GetSelectionRect()); }

}  // namespace tessel
