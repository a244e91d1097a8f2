// The rotate tool (code 9) and the skew tool (code 15).
#include <cmath>
#include <cstdlib>
#include <string>

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_host.h"
#include "view/view_selection_geometry.h"

namespace tessel {

namespace {
constexpr double kDegreesPerRadian = 57.29577951471995;
constexpr int kSkewHandleHalf = 3;  // skew handles are 6 by 6, centred on their point

// The angle of (dx, dy) about a centre: 0 above, 90 left, 180 below, 270 right.
double PointAngle(double dx, double dy) {
  if (dx == 0) return dy >= 0 ? 180.0 : 0.0;
  double angle = 90.0 - std::atan(dy / dx) * kDegreesPerRadian;
  if (dx > 0) angle += 180.0;
  return angle;
}

double AngleAbout(const CDrawObject& o, CPoint p) {
  const int cx = o.m_left + o.m_width / 2, cy = o.m_top + o.m_height / 2;
  return PointAngle(double(p.x - cx), double(p.y - cy));
}

// How far the skew offsets can move the outline beyond the object's area.
int OffsetReach(const CRect& offsets) {
  return std::abs(offsets.left) + std::abs(offsets.top) + std::abs(offsets.right) + std::abs(offsets.bottom);
}

// The square the rotation outline can reach: the box's circumscribed circle.
CRect RotationReach(const CDrawObject& o) {
  const int radius = int(std::ceil(std::hypot(o.m_width, o.m_height) / 2)) + 1;
  const int cx = o.m_left + o.m_width / 2, cy = o.m_top + o.m_height / 2;
  return {cx - radius, cy - radius, cx + radius, cy + radius};
}
}  // namespace

void CVellumView::RotateDown(CPoint doc, ViewKeys keys) {
  CDrawObject* picked = ObjectAtPoint(doc, keys.ctrl, true);
  SelectObject(picked);
  if (!picked) {
    UpdateStatusForCurrent();
    return;
  }
  m_rotationAngle = 0;
  m_dragging = true;
  m_host.SetCapture(true);
  InvalidateWithHandles(RotationReach(*picked));
}

void CVellumView::RotateMove(CPoint doc, ViewKeys /*keys*/) {
  if (!m_current) return;
  const CDrawObject& o = *m_current;
  m_rotationAngle = int(AngleAbout(o, doc) - AngleAbout(o, m_pressPoint));
  InvalidateWithHandles(RotationReach(o));
  std::string text = "Rotation Angle Y: " + std::to_string(m_rotationAngle) + " ";
  if (!o.IsBitmap() && !o.m_layer.IsEmpty()) text += " (To Rotate Bitmap Layer use Texture Size & Rotation tool)";
  m_host.Status(text);
}

void CVellumView::RotateUp(CPoint /*doc*/, ViewKeys keys) {
  if (!m_dragging || !m_current) return;
  CDrawObject& o = *m_current;
  const CRect before = ObjectArea(o).Union(RotationReach(o));
  const int angle = m_rotationAngle;
  m_rotationAngle = 0;
  InvalidateWithHandles(before);
  if (angle == 0) return;
  o.Rotate(angle, keys.ctrl);
  InvalidateObjectChange(before, o);
  InvalidateWithHandles(ObjectArea(o));
  m_doc.m_modified = true;
  SaveUndo();
}

// ---- Skew ----

void CVellumView::ComputeSkewHandleRects(CRect (&rects)[5]) const {
  for (CRect& r : rects) r = {};
  if (!m_current) return;
  const CRect s = m_current->GetSelectionRect().Inflated(-1);
  const int midX = s.left + s.Width() / 2, midY = s.top + s.Height() / 2;
  // m_gestureRect holds the edge offsets: left, top, right, bottom.
  const CPoint points[5] = {{},
                            {midX + m_gestureRect.top, s.top},
                            {s.right, midY + m_gestureRect.right},
                            {midX + m_gestureRect.bottom, s.bottom},
                            {s.left, midY + m_gestureRect.left}};
  for (int h = 1; h <= 4; ++h) {
    const CPoint w = DocumentToWindow(points[h]);
    rects[h] = {w.x - kSkewHandleHalf, w.y - kSkewHandleHalf, w.x + kSkewHandleHalf, w.y + kSkewHandleHalf};
  }
}

int CVellumView::SkewHandleAt(CPoint window) const {
  CRect rects[5];
  ComputeSkewHandleRects(rects);
  for (int h = 1; h <= 4; ++h)
    if (rects[h].Contains(window.x, window.y)) return h;
  return kHandleNone;
}

void CVellumView::SkewDown(CPoint doc, CPoint window, ViewKeys keys) {
  m_gestureRect = {};
  const int handle = SkewHandleAt(window);
  CDrawObject* picked = handle != kHandleNone ? m_current : ObjectAtPoint(doc, keys.ctrl, true);
  if (picked != m_current) SelectObject(picked);
  UpdateStatusForCurrent();
  m_handle = picked ? SkewHandleAt(window) : kHandleNone;
  if (m_handle == kHandleNone) return;
  m_hover = m_handle;
  m_dragging = true;
  m_host.SetCapture(true);
}

void CVellumView::SkewMove(CPoint doc, ViewKeys /*keys*/) {
  if (!m_current || m_handle == kHandleNone) return;
  const CRect before = ObjectArea(*m_current).Inflated(OffsetReach(m_gestureRect));
  const int dx = doc.x - m_pressPoint.x, dy = doc.y - m_pressPoint.y;
  switch (m_handle) {
    case 1: m_gestureRect.top = dx; break;
    case 2: m_gestureRect.right = dy; break;
    case 3: m_gestureRect.bottom = dx; break;
    default: m_gestureRect.left = dy; break;
  }
  InvalidateWithHandles(before.Union(ObjectArea(*m_current).Inflated(OffsetReach(m_gestureRect))));
}

void CVellumView::SkewUp(CPoint /*doc*/, ViewKeys /*keys*/) {
  if (!m_dragging || !m_current || m_handle == kHandleNone) return;
  CDrawObject& o = *m_current;
  const CRect offsets = m_gestureRect;
  m_gestureRect = {};
  m_handle = kHandleNone;
  const CRect before = ObjectArea(o);
  InvalidateWithHandles(before.Inflated(OffsetReach(offsets)));
  if (offsets == CRect{}) return;
  o.Skew(offsets.top, offsets.right, offsets.bottom, offsets.left);
  InvalidateObjectChange(before, o);
  InvalidateWithHandles(ObjectArea(o));
  m_doc.m_modified = true;
  SaveUndo();
}

}  // namespace tessel
