// Dragging the current object in the select tool: moving it, or resizing it by one of
// its eight handles, with grid and guideline snapping of its outline's edges.
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_host.h"
#include "view/view_selection_geometry.h"

namespace tessel {

namespace {
// v to the nearest grid line (division truncating toward zero).
int ToGrid(int v, int grid) { return ((v + grid / 2) / grid) * grid; }

// Height for width w keeping ratio (truncated).
int KeepAspect(int w, const CRect& box) {
  return box.Width() > 0 ? int(w * (double(box.Height()) / double(box.Width()))) : box.Height();
}
}  // namespace

int CVellumView::SnapEdge(int value, int border, int span, bool vertical, bool leading) const {
  // The outline lies border pixels inside the box: it is the outline that snaps.
  if (m_snapToGrid && m_doc.m_gridDistance > 0)
    value = ToGrid(value, m_doc.m_gridDistance) + (leading ? -border : border);
  if (m_doc.m_snapToGuides) {
    const int offset = leading ? border : -border;
    const int edgeSpan = leading ? span : 0;
    value = vertical ? SnapToGuidelineY(value, offset, edgeSpan) : SnapToGuidelineX(value, offset, edgeSpan);
  }
  return value;
}

CRect CVellumView::ResizedRect(CPoint doc, ViewKeys keys) const {
  const CDrawObject& o = *m_current;
  const CRect box = m_startRect;
  const int b = o.MaskMargin();
  const int l = box.left, t = box.top, w = box.Width(), h = box.Height();
  const int x = doc.x - m_dragOffset.x, y = doc.y - m_dragOffset.y;
  auto left = [&] { return SnapEdge(x, b, w, false, true); };
  auto right = [&] { return SnapEdge(x, b, w, false, false); };
  auto top = [&] { return SnapEdge(y, b, h, true, true); };
  auto bottom = [&] { return SnapEdge(y, b, h, true, false); };
  switch (m_handle) {
    case kHandleTopLeft:
    case kHandleBottomLeft: {  // the right edge stays
      const int nx = left();
      const int nw = l + w - nx, nh = KeepAspect(nw, box);
      const int ny = m_handle == kHandleTopLeft ? t + h - nh : t;
      return {nx, ny, nx + nw, ny + nh};
    }
    case kHandleTopRight: {  // the left and bottom edges stay
      const int nw = right() - l, nh = KeepAspect(nw, box);
      return {l, t + h - nh, l + nw, t + h};
    }
    case kHandleBottomRight: {
      const int nw = right() - l;
      if (keys.ctrl || m_freeResize) return {l, t, l + nw, bottom()};
      return {l, t, l + nw, t + KeepAspect(nw, box)};
    }
    case kHandleTop: return {l, top(), l + w, t + h};
    case kHandleBottom: return {l, t, l + w, bottom()};
    case kHandleRight: return {l, t, right(), t + h};
    case kHandleLeft: return {left(), t, l + w, t + h};
    default: return box;
  }
}

void CVellumView::SelectToolMove(CPoint doc, ViewKeys keys) {
  if (!m_current || m_tool != kToolSelect) return;
  CDrawObject& o = *m_current;
  if (m_handle == kHandleNone) {
    const bool locked = o.m_mmParam1 || o.m_mmParam2;
    m_hover = locked ? kHoverConstrainedMove : kHoverMove;
    const int b = o.MaskMargin();
    const int x = o.m_mmParam2 ? o.m_left : SnapEdge(doc.x - m_dragOffset.x, b, o.m_width, false, true);
    const int y = o.m_mmParam1 ? o.m_top : SnapEdge(doc.y - m_dragOffset.y, b, o.m_height, true, true);
    const CRect before = ObjectArea(o);
    o.SetPosition(x, y);
    const CRect after = ObjectArea(o);
    InvalidateDocument(before.Union(after));
    InvalidateWithHandles(before.Union(after));
    m_invalidRect = m_invalidRect.Union(after);
    return;
  }
  m_hover = m_handle;
  const CRect r = ResizedRect(doc, keys);
  const CRect before = m_gestureRect;
  o.SetPendingRect(r.left, r.top, r.Width(), r.Height());
  m_gestureRect = r.Normalized();
  InvalidateWithHandles(before.Normalized().Union(m_gestureRect));
  m_invalidRect = m_invalidRect.Union(m_gestureRect);
}

void CVellumView::SelectToolUp(CPoint /*doc*/, ViewKeys /*keys*/) {
  if (!m_dragging || m_tool != kToolSelect || !m_current) return;
  CDrawObject& o = *m_current;
  const bool resized = o.ApplyPendingResize();
  const bool changed = resized || o.GetBoxRect() != m_startRect;
  if (o.IsText()) m_host.InvalidateAll();
  else InvalidateDocument(m_invalidRect.Union(ObjectArea(o)));
  InvalidateWithHandles(m_invalidRect.Union(ObjectArea(o)));
  if (changed) {
    m_doc.m_modified = true;
    SaveUndo();
  }
  m_handle = kHandleNone;
  m_hover = kHandleNone;
  UpdateStatusForCurrent();
}

}  // namespace tessel
