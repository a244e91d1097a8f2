// Pencil (tool 14): a free-hand stroke collected point by point while the button is
// held; released near its start it is made closed.
#include "document/draw_object.h"
#include "view/creation_geometry.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
// The stroke shows that it will close only once it has more points than this.
constexpr size_t kWillCloseAfter = 5;
constexpr int kOverlayMargin = 2;
}  // namespace

void CVellumView::PencilDown(CPoint doc) {
  m_pointList.clear();
  m_pointList.push_back(ToPointD(doc));
  m_startPoint = doc;
  m_willClose = false;
  m_dragging = true;
  m_host.SetCapture(true);
}

void CVellumView::PencilMove(CPoint doc) {
  const CPointD last = m_pointList.back();
  m_pointList.push_back(ToPointD(doc));  // every move counts, however short
  m_willClose = NearStart(doc, m_startPoint) && m_pointList.size() > kWillCloseAfter;
  InvalidateDocument(PointBounds({last, ToPointD(doc)}, kOverlayMargin));
}

void CVellumView::PencilUp(CPoint doc) {
  const bool closed = NearStart(doc, m_startPoint);
  const std::vector<CPointD> stroke = std::move(m_pointList);
  InvalidateDocument(PointBounds(stroke, kOverlayMargin));
  ResetCreation();
  CDrawObject* object = BeginNewObject(false);
  FinishNewObject(object, object->CreateFreePath(stroke, closed));
  SetTool(kToolSelect);
}

}  // namespace tessel
