// What the placement tools draw over the canvas: their handles (6 by 6 window pixels,
// the dragged one grey) and the lines that show what the handles place: the texture's
// axes, the light's aim, the gradient map's direction (mirrored for a bilinear map, a
// circle for a radial one) and the perspective outline.
#include <cmath>

#include "document/draw_object.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr int kHandleHalf = 3;
constexpr int kCircleSteps = 48;
constexpr double kTwoPi = 6.283185307179586;

CPoint Rounded(CPointD p) { return {int(std::lround(p.x)), int(std::lround(p.y))}; }

OverlayItem DocumentLine(CPointD a, CPointD b) {
  OverlayItem item;
  item.kind = OverlayKind::kLine;
  item.points = {Rounded(a), Rounded(b)};
  item.invert = true;
  item.dotted = true;
  return item;
}

OverlayItem Circle(CPointD centre, double radius) {
  OverlayItem item;
  item.kind = OverlayKind::kPolyline;
  item.closed = true;
  item.invert = true;
  item.dotted = true;
  for (int i = 0; i < kCircleSteps; ++i) {
    const double t = kTwoPi * i / kCircleSteps;
    item.points.push_back(Rounded({centre.x + radius * std::cos(t), centre.y + radius * std::sin(t)}));
  }
  return item;
}
}  // namespace

void CVellumView::AddPlacementOverlays(OverlayList& out) {
  if (!m_current) return;
  const std::vector<CPointD> p = PlacementHandlePoints();
  const CDrawObject& o = *m_current;
  if (m_tool == kToolTexture && p.size() > 4) {
    for (int h = 2; h <= 4; ++h) out.push_back(DocumentLine(p[1], p[size_t(h)]));
  } else if (m_tool == kToolLights && p.size() > 6) {
    for (int h = 2; h <= 6; ++h) out.push_back(DocumentLine(p[1], p[size_t(h)]));
  } else if (m_tool == kToolTranspMap && p.size() > 3) {
    out.push_back(DocumentLine(p[1], p[2]));
    const CPointD s = p[1], e = p[2];
    if (o.m_transpName == "Bilinear.tmb") out.push_back(DocumentLine(s, {2 * s.x - e.x, 2 * s.y - e.y}));
    if (o.m_transpName == "Radial.tmb") out.push_back(Circle(s, std::hypot(e.x - s.x, e.y - s.y)));
  } else if (m_tool == kToolPerspective && p.size() > 4) {
    OverlayItem outline;
    outline.kind = OverlayKind::kPolyline;
    outline.closed = true;
    outline.invert = true;
    outline.points = {Rounded(p[1]), Rounded(p[2]), Rounded(p[4]), Rounded(p[3])};  // TL, TR, BR, BL
    out.push_back(outline);
  }
  for (int h = 1; h < int(p.size()); ++h) {
    if (std::isnan(p[size_t(h)].x)) continue;
    const CPoint w = DocumentToWindow(Rounded(p[size_t(h)]));
    OverlayItem handle;
    handle.kind = OverlayKind::kFillRect;
    handle.rect = {w.x - kHandleHalf, w.y - kHandleHalf, w.x + kHandleHalf, w.y + kHandleHalf};
    handle.color = m_dragging && h == m_handle ? kHandleGrey : kAzure;
    handle.window = true;
    out.push_back(handle);
  }
}

}  // namespace tessel
