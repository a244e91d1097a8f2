// Arrow line (tool 23): three clicks give the tail P0, the tip P1 and P2, whose
// horizontal distance from P1 is the head's half width (P2 keeps P1's height).
#include "document/draw_object.h"
#include "view/creation_geometry.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
constexpr int kArrowPoints = 3;
constexpr COLORREF kArrowColor = 0x000000;
constexpr COLORREF kArrowColor2 = 0xFFFFFF;
constexpr int kOverlayMargin = 2;
}  // namespace

std::vector<CPointD> CVellumView::ArrowRubberPoints() const {
  std::vector<CPointD> points;
  for (int i = 0; i < m_arrowClicks; ++i) points.push_back(ToPointD(m_arrowPoints[i]));
  if (m_arrowClicks > 0 && m_arrowClicks < kArrowPoints) {
    // After two points the rubber line runs level with the tip.
    const int y = m_arrowClicks == 2 ? m_arrowPoints[1].y : m_rubberPoint.y;
    points.push_back({double(m_rubberPoint.x), double(y)});
  }
  return points;
}

void CVellumView::ArrowClick(CPoint doc) {
  if (m_arrowClicks >= kArrowPoints) return;
  CPoint p = doc;
  if (m_arrowClicks == 2) p.y = m_arrowPoints[1].y;
  m_arrowPoints[m_arrowClicks++] = p;
  m_rubberPoint = doc;
  InvalidateDocument(PointBounds(ArrowRubberPoints(), kOverlayMargin));
}

void CVellumView::ArrowRubberMove(CPoint doc) {
  if (m_arrowClicks == 0) return;
  const CRect before = PointBounds(ArrowRubberPoints(), kOverlayMargin);
  m_rubberPoint = doc;
  InvalidateDocument(before.Union(PointBounds(ArrowRubberPoints(), kOverlayMargin)));
}

void CVellumView::MakeArrow() {
  InvalidateDocument(PointBounds(ArrowRubberPoints(), kOverlayMargin));
  const CPointD p0 = ToPointD(m_arrowPoints[0]), p1 = ToPointD(m_arrowPoints[1]), p2 = ToPointD(m_arrowPoints[2]);
  ResetCreation();
  CDrawObject* object = BeginNewObject(false);
  // Arrows start black on white without a texture, whatever the defaults say.
  object->m_color = kArrowColor;
  object->m_color2 = kArrowColor2;
  object->m_textureAmount = 0;
  object->m_textureParam1 = 0;
  object->m_textureParam2 = 0;
  FinishNewObject(object, object->CreateArrow(p0, p1, p2));
  SetTool(kToolSelect);
}

}  // namespace tessel
