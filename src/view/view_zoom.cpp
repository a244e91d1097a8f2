// The zoom combo and the zoom tool (code 1): a drag zooms to the dragged rectangle.
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
constexpr int kComboPercents[] = {10, 30, 50, 80, 100, 200, 300, 400, 600, 800};
constexpr int kComboEntries = int(sizeof(kComboPercents) / sizeof(kComboPercents[0]));
constexpr int kComboCustom = 10;
constexpr int kDefaultPercent = 100;
constexpr int kMinZoomDrag = 2;  // document pixels each way
}  // namespace

int CVellumView::ZoomComboPercent(int index) {
  return index >= 0 && index < kComboEntries ? kComboPercents[index] : kDefaultPercent;
}

void CVellumView::OnZoomCombo(int index) {
  const int percent = ZoomComboPercent(index);
  DiscardCache();
  m_fullRedraw = true;
  ZoomToPercent(percent, nullptr);
}

void CVellumView::ZoomToolDown(CPoint doc) {
  m_host.SetCapture(true);
  m_dragging = true;
  m_gestureRect = {doc.x, doc.y, doc.x, doc.y};
  m_host.SetCursor(ViewCursor::kZoomDrag);
}

void CVellumView::ZoomToolMove(CPoint doc) {
  if (!m_dragging) return;
  const CRect before = m_gestureRect.Normalized();
  m_gestureRect.right = doc.x;
  m_gestureRect.bottom = doc.y;
  InvalidateDocument(before.Union(m_gestureRect.Normalized()).Inflated(1));
}

void CVellumView::ZoomToolUp(CPoint doc) {
  if (!m_dragging) return;
  m_gestureRect.right = doc.x;
  m_gestureRect.bottom = doc.y;
  const CRect r = m_gestureRect.Normalized();
  m_gestureRect = {};
  m_dragging = false;
  if (r.Width() >= kMinZoomDrag && r.Height() >= kMinZoomDrag) {
    ZoomToRect(r);
    m_host.SetZoomCombo(kComboCustom);
  }
  DiscardCache();
  RequestFullRedraw();
}

void CVellumView::AddZoomBandOverlay(OverlayList& out) const {
  if (m_tool != kToolZoom || !m_dragging) return;
  OverlayItem band;
  band.kind = OverlayKind::kRect;
  band.rect = m_gestureRect.Normalized();
  band.dotted = true;
  band.invert = true;
  out.push_back(band);
}

}  // namespace tessel
