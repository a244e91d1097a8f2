// The overlays of the canvas itself, drawn after the selection's: the export crop
// region, the canvas borders mask, the guidelines and the grid. All are in document
// pixels and reach across the visible area.
#include <algorithm>

#include "document/vellum_doc.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr int kCropHandleSize = 8;
constexpr int kCropHandleInset = 2;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0x0000FF;
constexpr int kCropStipple = 0;
constexpr int kBordersStipple = 1;

OverlayItem Line(CPoint a, CPoint b, uint32_t colour) {
  OverlayItem item;
  item.kind = OverlayKind::kLine;
  item.points = {a, b};
  item.color = colour;
  item.dotted = true;
  return item;
}

OverlayItem Box(OverlayKind kind, const CRect& r, uint32_t colour) {
  OverlayItem item;
  item.kind = kind;
  item.rect = r;
  item.color = colour;
  return item;
}

// Stipples the four areas of visible outside inner (those that are not empty).
void StippleOutside(OverlayList& out, const CRect& visible, const CRect& inner, int stipple) {
  const CRect parts[] = {{visible.left, visible.top, visible.right, inner.top},
                         {visible.left, inner.bottom, visible.right, visible.bottom},
                         {visible.left, inner.top, inner.left, inner.bottom},
                         {inner.right, inner.top, visible.right, inner.bottom}};
  for (const CRect& part : parts) {
    if (part.IsEmpty()) continue;
    OverlayItem item = Box(OverlayKind::kStipple, part, kBlack);
    item.stipple = stipple;
    out.push_back(item);
  }
}
}  // namespace

void CVellumView::AddCanvasOverlays(OverlayList& out, const CRect& visibleDoc) {
  AddCropOverlay(out, visibleDoc);
  if (m_canvasBordersMask) StippleOutside(out, visibleDoc, {0, 0, m_doc.m_width, m_doc.m_height}, kBordersStipple);
  AddGuidelineOverlays(out, visibleDoc);
  AddGridOverlay(out, visibleDoc);
}

void CVellumView::AddCropOverlay(OverlayList& out, const CRect& visibleDoc) {
  if (!m_doc.m_cropSet) return;
  const CRect c = m_doc.m_crop;
  if (c.left == c.right || c.top == c.bottom) {
    m_doc.m_cropSet = 0;  // an empty region is no region
    return;
  }
  StippleOutside(out, visibleDoc, c.Normalized(), kCropStipple);
  out.push_back(Line({visibleDoc.left, c.top}, {visibleDoc.right, c.top}, kBlack));
  out.push_back(Line({visibleDoc.left, c.bottom}, {visibleDoc.right, c.bottom}, kBlack));
  out.push_back(Line({c.left, visibleDoc.top}, {c.left, visibleDoc.bottom}, kBlack));
  out.push_back(Line({c.right, visibleDoc.top}, {c.right, visibleDoc.bottom}, kBlack));
  m_cropHandles[0] = {c.left - kCropHandleSize, c.top - kCropHandleSize, c.left, c.top};
  m_cropHandles[1] = {c.right, c.bottom, c.right + kCropHandleSize, c.bottom + kCropHandleSize};
  for (const CRect& handle : m_cropHandles) {
    out.push_back(Box(OverlayKind::kRect, handle, kBlack));
    out.push_back(Box(OverlayKind::kFillRect, handle.Inflated(-kCropHandleInset), kRed));
  }
}

void CVellumView::AddGuidelineOverlays(OverlayList& out, const CRect& visibleDoc) const {
  const bool draggingV = m_tool == kToolGuideV, draggingH = m_tool == kToolGuideH;
  auto add = [&](bool vertical, int index, int position) {
    const bool dragged = (vertical ? draggingV : draggingH) && index == m_guideIndex;
    OverlayItem item = vertical ? Line({position, visibleDoc.top}, {position, visibleDoc.bottom}, kGuideBlue)
                                : Line({visibleDoc.left, position}, {visibleDoc.right, position}, kGuideBlue);
    if (dragged) item.color = kGuideRed, item.invert = true;
    out.push_back(item);
  };
  for (size_t i = 0; i < m_doc.m_guidesV.size(); ++i) add(true, int(i), m_doc.m_guidesV[i]);
  for (size_t i = 0; i < m_doc.m_guidesH.size(); ++i) add(false, int(i), m_doc.m_guidesH[i]);
}

void CVellumView::AddGridOverlay(OverlayList& out, const CRect& visibleDoc) const {
  const int g = m_doc.m_gridDistance;
  if (!m_snapToGrid || g <= 0) return;
  // Only the grid points that can be seen; the canvas has them at every (i*g, j*g).
  const int x0 = std::max(0, (visibleDoc.left + g - 1) / g * g);
  const int y0 = std::max(0, (visibleDoc.top + g - 1) / g * g);
  const int x1 = std::min(m_doc.m_width, visibleDoc.right), y1 = std::min(m_doc.m_height, visibleDoc.bottom);
  OverlayItem item;
  item.kind = OverlayKind::kPixels;
  item.color = kGridNavy;
  for (int y = y0; y < y1; y += g)
    for (int x = x0; x < x1; x += g) item.points.push_back({x, y});
  if (!item.points.empty()) out.push_back(std::move(item));
}

}  // namespace tessel
