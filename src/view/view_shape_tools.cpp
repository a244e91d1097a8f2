// Rectangle, circle, rounded rectangle and star (tools 2, 3, 6, 10): a drag from corner
// to corner, snapped at both ends; Shift makes the shape square.
#include <algorithm>

#include "document/draw_object.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
constexpr int kMinStarPoints = 3;
}  // namespace

void CVellumView::RubberBandStart(CPoint point) {
  m_gestureRect = {point.x, point.y, point.x, point.y};
  m_dragging = true;
  m_host.SetCapture(true);
}

void CVellumView::RubberBandMove(CPoint doc) {
  const CRect before = m_gestureRect.Normalized().Inflated(1);
  m_gestureRect.right = doc.x;
  m_gestureRect.bottom = doc.y;
  InvalidateDocument(before.Union(m_gestureRect.Normalized().Inflated(1)));
}

CRect CVellumView::RubberBandEnd(CPoint end, bool square) {
  InvalidateDocument(m_gestureRect.Normalized().Inflated(1));
  m_gestureRect.right = end.x;
  m_gestureRect.bottom = end.y;
  CRect r = m_gestureRect.Normalized();
  if (square) {
    const int side = std::max(r.Width(), r.Height());
    r.right = r.left + side;
    r.bottom = r.top + side;
  }
  return r;
}

void CVellumView::ShapeToolDown(CPoint doc) { RubberBandStart(SnapPoint(doc, false)); }

void CVellumView::ShapeToolUp(CPoint doc, ViewKeys keys) {
  const CRect r = RubberBandEnd(SnapPoint(doc, true), keys.shift);
  CDrawObject* object = BeginNewObject(false);
  switch (m_tool) {
    case kToolRectangle: object->CreateRectangle(r.left, r.top, r.right, r.bottom); break;
    case kToolCircle: object->CreateCircle(r.left, r.top, r.right, r.bottom); break;
    case kToolRoundRect:
      m_cornerRadius = std::max(0, m_cornerRadius);
      object->CreateRoundRect(r.left, r.top, r.right, r.bottom, m_cornerRadius);
      break;
    case kToolStar:
      m_starPoints = std::max(kMinStarPoints, m_starPoints);
      object->CreateStar(r.left, r.top, r.right, r.bottom, m_starPoints, m_starInner);
      break;
    default: break;
  }
  FinishNewObject(object, true);
  SetTool(kToolSelect);
}

}  // namespace tessel
