// The export crop region: drawn with tool 18, resized by its two handles (code 19,
// entered from the select tool).
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
constexpr int kCropHandleSize = 8;  // document pixels, outside the region's corners
}  // namespace

void CVellumView::CropToolDown(CPoint doc) { RubberBandStart(SnapGridAndGuides(doc)); }

void CVellumView::CropToolUp(CPoint doc, ViewKeys keys) {
  const CRect r = RubberBandEnd(SnapGridAndGuides(doc), keys.shift);
  if (r.Width() >= 1 && r.Height() >= 1) {
    m_doc.m_crop = r;
    m_doc.m_cropSet = 1;
  } else {
    m_doc.m_crop = {};
    m_doc.m_cropSet = 0;
  }
  DiscardCache();
  RequestFullRedraw();
  SetTool(kToolSelect);
}

bool CVellumView::StartCropResize(CPoint doc) {
  const CRect& c = m_doc.m_crop;
  if (!m_doc.m_cropSet || c.left == c.right || c.top == c.bottom) return false;
  const CRect topLeft{c.left - kCropHandleSize, c.top - kCropHandleSize, c.left, c.top};
  const CRect bottomRight{c.right, c.bottom, c.right + kCropHandleSize, c.bottom + kCropHandleSize};
  if (topLeft.Contains(doc.x, doc.y)) {
    m_handle = 1;
    m_dragOffset = {doc.x - c.left, doc.y - c.top};
  } else if (bottomRight.Contains(doc.x, doc.y)) {
    m_handle = 2;
    m_dragOffset = {doc.x - c.right, doc.y - c.bottom};
  } else {
    return false;
  }
  SetTool(kToolCropResize);
  m_dragging = true;
  m_host.SetCapture(true);
  return true;
}

void CVellumView::CropResizeMove(CPoint doc) {
  CRect& c = m_doc.m_crop;
  if (m_handle == 1) {
    c.left = doc.x - m_dragOffset.x;
    c.top = doc.y - m_dragOffset.y;
  } else {
    c.right = doc.x - m_dragOffset.x;
    c.bottom = doc.y - m_dragOffset.y;
  }
  // The region's edges and stipple reach across the whole window.
  m_host.InvalidateAll();
}

void CVellumView::CropResizeUp(CPoint doc) {
  CropResizeMove(doc);
  const CRect& c = m_doc.m_crop;
  if (c.left > c.right || c.top > c.bottom) {
    m_doc.m_crop = {};
    m_doc.m_cropSet = 0;
  }
  m_handle = kHandleNone;
  DiscardCache();
  RequestFullRedraw();
  SetTool(kToolSelect);
}

}  // namespace tessel
