// The perspective tool (code 29): four handles on the corners of the current object's
// perspective (top-left, top-right, bottom-left, bottom-right), kept in box units.
#include "document/draw_object.h"
#include "view/vellum_view.h"

namespace tessel {

std::vector<CPointD> CVellumView::PerspectiveHandlePoints() const {
  const CDrawObject& o = *m_current;
  std::vector<CPointD> points(5);
  for (int k = 0; k < 4; ++k)
    points[size_t(k + 1)] = {o.m_left + double(o.m_perspX[size_t(k)]) * o.m_width,
                             o.m_top + double(o.m_perspY[size_t(k)]) * o.m_height};
  return points;
}

void CVellumView::PerspectiveMove(CPoint doc) {
  CDrawObject& o = *m_current;
  if (o.m_width <= 0 || o.m_height <= 0) return;
  const int k = m_handle - 1;
  m_perspX[k] = float(doc.x - o.m_left) / float(o.m_width);
  m_perspY[k] = float(doc.y - o.m_top) / float(o.m_height);
  for (int i = 0; i < 4; ++i) {
    o.m_perspX[size_t(i)] = m_perspX[i];
    o.m_perspY[size_t(i)] = m_perspY[i];
  }
}

}  // namespace tessel
