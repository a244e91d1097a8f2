// What the creation tools draw over the canvas while a drawing is in progress.
#include <cmath>

#include "geometry/bezier.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr int kCurveSteps = 16;  // line pieces per path segment in the preview
constexpr size_t kRecordsPerPoint = 3;

CPoint Rounded(CPointD p) { return {int(std::lround(p.x)), int(std::lround(p.y))}; }

OverlayItem RubberLine(const std::vector<CPoint>& points, bool closed) {
  OverlayItem item;
  item.kind = OverlayKind::kPolyline;
  item.points = points;
  item.invert = true;
  item.closed = closed;
  return item;
}

// The new path's curve through its points (incoming, point, outgoing per point).
std::vector<CPoint> PathPreview(const std::vector<CPointD>& list) {
  std::vector<CPoint> out;
  const size_t n = list.size() / kRecordsPerPoint;
  for (size_t i = 0; i < n; ++i) {
    const CPointD& a = list[kRecordsPerPoint * i + 1];
    out.push_back(Rounded(a));
    if (i + 1 == n) break;
    const CPointD& c1 = list[kRecordsPerPoint * i + 2];
    const CPointD& c2 = list[kRecordsPerPoint * (i + 1)];
    const CPointD& b = list[kRecordsPerPoint * (i + 1) + 1];
    for (int s = 1; s < kCurveSteps; ++s) {
      const double t = double(s) / kCurveSteps;
      out.push_back(Rounded({CubicAt(a.x, c1.x, c2.x, b.x, t), CubicAt(a.y, c1.y, c2.y, b.y, t)}));
    }
  }
  return out;
}

std::vector<CPoint> RoundedAll(const std::vector<CPointD>& points) {
  std::vector<CPoint> out;
  for (const CPointD& p : points) out.push_back(Rounded(p));
  return out;
}
}  // namespace

void CVellumView::AddCreationOverlays(OverlayList& out) {
  switch (m_tool) {
    case kToolRectangle:
    case kToolCircle:
    case kToolRoundRect:
    case kToolStar:
    case kToolExportCrop:
      if (m_dragging) {
        OverlayItem band;
        band.rect = m_gestureRect.Normalized();
        band.invert = true;
        band.dotted = m_tool == kToolExportCrop;
        out.push_back(band);
      }
      break;
    case kToolNewPath:
      if (m_pointList.size() >= kRecordsPerPoint) {
        out.push_back(RubberLine(PathPreview(m_pointList), false));
        const CPoint last = Rounded(m_pointList[m_pointList.size() - 2]);
        if (m_dragging)  // the handles being pulled out
          out.push_back(RubberLine({Rounded(m_pointList[m_pointList.size() - 3]), Rounded(m_pointList.back())}, false));
        else
          out.push_back(RubberLine({last, m_rubberPoint}, false));
      }
      break;
    case kToolPencil:
      if (m_dragging && !m_pointList.empty()) out.push_back(RubberLine(RoundedAll(m_pointList), false));
      break;
    case kToolArrow:
      if (m_arrowClicks > 0) out.push_back(RubberLine(RoundedAll(ArrowRubberPoints()), false));
      break;
    default: break;
  }
}

}  // namespace tessel
