// Snapping points to the canvas edges, the grid and the guidelines.
#include <vector>

#include "document/vellum_doc.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr int kEdgeSnap = 4;    // strictly closer than this to an edge
constexpr int kGuideSnap = 10;  // strictly closer than this to a guideline

bool Within(int value, int target, int distance) { return target - distance < value && value < target + distance; }

// x with offset a (leading edge x + a) and span b (trailing edge x - a + b) snapped to
// the first guideline either edge lies near.
int SnapToGuides(const std::vector<int32_t>& guides, int x, int a, int b) {
  const int p = x + a, q = x - a + b;
  for (const int g : guides) {
    if (Within(p, g, kGuideSnap)) return g - a;
    if (b != 0 && Within(q, g, kGuideSnap)) return g - b + a;
  }
  return x;
}

// Grid snapping with the division truncating toward zero.
int SnapToGrid(int v, int g) { return ((v + g / 2) / g) * g; }
}  // namespace

int CVellumView::SnapToGuidelineX(int x, int offset, int span) const {
  return SnapToGuides(m_doc.m_guidesV, x, offset, span);
}

int CVellumView::SnapToGuidelineY(int y, int offset, int span) const {
  return SnapToGuides(m_doc.m_guidesH, y, offset, span);
}

CPoint CVellumView::SnapPoint(CPoint point, bool endPoint) const {
  if (endPoint) {
    if (Within(point.x, m_doc.m_width, kEdgeSnap)) point.x = m_doc.m_width;
    if (Within(point.y, m_doc.m_height, kEdgeSnap)) point.y = m_doc.m_height;
  } else {
    if (Within(point.x, 0, kEdgeSnap)) point.x = 0;
    if (Within(point.y, 0, kEdgeSnap)) point.y = 0;
  }
  const int g = m_doc.m_gridDistance;
  if (m_snapToGrid && g > 0) point = {SnapToGrid(point.x, g), SnapToGrid(point.y, g)};
  if (m_doc.m_snapToGuides) point = {SnapToGuidelineX(point.x, 0, 0), SnapToGuidelineY(point.y, 0, 0)};
  return point;
}

}  // namespace tessel
