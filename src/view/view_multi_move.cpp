// Moving or resizing the multi-selection by its frame (code 20): the frame follows the
// mouse as a rubber band; on release every member is moved or scaled with it.
#include <cmath>

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_host.h"
#include "view/view_selection_geometry.h"

namespace tessel {

namespace {
// The guideline offset of the frame: snapping acts on the frame 8 pixels inside it.
constexpr int kFrameGuideOffset = 8;

// The frame with the dragged handle's corner or edge at (x, y); the opposite sides stay.
CRect DragFrameEdge(CRect r, int handle, int x, int y) {
  switch (handle) {
    case kHandleTopLeft: r.left = x, r.top = y; break;
    case kHandleBottomLeft: r.left = x, r.bottom = y; break;
    case kHandleBottomRight: r.right = x, r.bottom = y; break;
    case kHandleTopRight: r.right = x, r.top = y; break;
    case kHandleTop: r.top = y; break;
    case kHandleRight: r.right = x; break;
    case kHandleBottom: r.bottom = y; break;
    case kHandleLeft: r.left = x; break;
    default: break;
  }
  return r;
}

// Scales the member's box from the old frame to the new one, each value truncated.
void ScaleMember(CDrawObject& o, const CRect& from, const CRect& to) {
  const double sx = double(to.Width()) / from.Width();
  const double sy = double(to.Height()) / from.Height();
  const int x = int(std::trunc((o.m_left - from.left) * sx + to.left));
  const int y = int(std::trunc((o.m_top - from.top) * sy + to.top));
  const int w = int(std::trunc(o.m_width * sx));
  const int h = int(std::trunc(o.m_height * sy));
  o.SetPendingRect(x, y, w, h);
  o.ApplyPendingResize();
}
}  // namespace

void CVellumView::MoveSelectionMove(CPoint doc, ViewKeys /*keys*/) {
  const CRect before = m_gestureRect.Normalized();
  int x = doc.x - m_dragOffset.x, y = doc.y - m_dragOffset.y;
  if (m_handle != kHandleNone) {
    m_gestureRect = DragFrameEdge(m_startRect, m_handle, x, y);
  } else {
    const int w = m_startRect.Width(), h = m_startRect.Height();
    const int g = m_doc.m_gridDistance;
    // The members' union, not the grown frame, lines up with the grid.
    if (m_snapToGrid && g > 0) {
      x = ((x + kSelectionFrameGrow + g / 2) / g) * g - kSelectionFrameGrow;
      y = ((y + kSelectionFrameGrow + g / 2) / g) * g - kSelectionFrameGrow;
    }
    if (m_doc.m_snapToGuides) {
      x = SnapToGuidelineX(x, kFrameGuideOffset, w);
      y = SnapToGuidelineY(y, kFrameGuideOffset, h);
    }
    m_gestureRect = {x, y, x + w, y + h};
  }
  InvalidateWithHandles(before.Union(m_gestureRect.Normalized()));
}

void CVellumView::MoveSelectionUp(CPoint /*doc*/, ViewKeys /*keys*/) {
  m_tool = kToolSelect;
  if (!m_dragging) return;
  const CRect from = m_startRect;
  const CRect to = m_gestureRect.Normalized();
  const int dx = to.left - from.left, dy = to.top - from.top;
  bool changed = false;
  if (m_handle == kHandleNone) {
    changed = dx != 0 || dy != 0;
    if (changed)
      for (CDrawObject* o : m_multi) o->SetPosition(o->m_left + dx, o->m_top + dy);
  } else if (!from.IsEmpty() && !to.IsEmpty()) {
    changed = to != from;
    if (changed)
      for (CDrawObject* o : m_multi) ScaleMember(*o, from, to);
  }
  m_handle = kHandleNone;
  if (!changed) {
    InvalidateWithHandles(from.Union(to));
    return;
  }
  m_doc.RecomputeGroupRects();
  m_doc.m_modified = true;
  RequestFullRedraw();
  m_host.InvalidateAll();
  SaveUndo();
}

}  // namespace tessel
