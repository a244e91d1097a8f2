// Transparency-map placement (code 28): the start point S (handle 1), the end point E
// (handle 2) and the bias (handle 3, on the segment from S to E at the bias share) of
// the current object's gradient map. All three map kinds ("Linear.tmb",
// "Bilinear.tmb", "Radial.tmb") use these handles; the overlays add each kind's own
// outline. Points are stored as fractions of the box with y counted from the bottom.
#include <algorithm>
#include <cmath>

#include "document/draw_object.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
enum MapHandle { kStart = 1, kEnd = 2, kBias = 3 };
enum MapField { kStartX = 0, kEndX = 1, kBiasField = 2, kStartY = 3, kEndY = 4 };

bool IsGradientMap(const std::string& name) {
  return name == "Linear.tmb" || name == "Bilinear.tmb" || name == "Radial.tmb";
}

CPointD MapPoint(const CDrawObject& o, double fx, double fy) {
  return {o.m_left + fx * o.m_width, o.m_top + (1.0 - fy) * o.m_height};
}
}  // namespace

std::vector<CPointD> CVellumView::TranspMapHandlePoints() const {
  const CDrawObject& o = *m_current;
  if (!IsGradientMap(o.m_transpName)) return {};
  const auto& g = o.m_transpGeom;
  const CPointD s = MapPoint(o, g[kStartX], g[kStartY]);
  const CPointD e = MapPoint(o, g[kEndX], g[kEndY]);
  const double bias = g[kBiasField];
  return {{}, s, e, {s.x + bias * (e.x - s.x), s.y + bias * (e.y - s.y)}};
}

void CVellumView::TranspMapMove(CPoint m) {
  CDrawObject& o = *m_current;
  if (!IsGradientMap(o.m_transpName) || o.m_width <= 0 || o.m_height <= 0) return;
  auto& g = o.m_transpGeom;
  const double dx = double(m.x - m_placementLast.x) / o.m_width;
  const double dy = double(m.y - m_placementLast.y) / o.m_height;
  switch (m_handle) {
    case kStart:
      g[kStartX] += dx;
      g[kStartY] -= dy;
      break;
    case kEnd:
      g[kEndX] += dx;
      g[kEndY] -= dy;
      break;
    case kBias: {
      const CPointD s = MapPoint(o, g[kStartX], g[kStartY]);
      const CPointD e = MapPoint(o, g[kEndX], g[kEndY]);
      const double span = std::hypot(e.x - s.x, e.y - s.y);
      if (span == 0) break;  // start and end coincide: no bias to measure
      g[kBiasField] = std::clamp(std::hypot(m.x - s.x, m.y - s.y) / span, 0.0, 1.0);
      break;
    }
    default: return;
  }
  // The map is shown as it changes.
  o.RenderObject(false, nullptr);
}

}  // namespace tessel
