// ZoomView: scale changes, scroll steps, scrolling and the window/document mapping.
#include "view/zoom_view.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace tessel {

namespace {
constexpr float kNoLimit = -1.0f;
constexpr int kStepDivisor = 10;  // page = device / 10, line = page / 10

// a * b / c rounded to the nearest integer, halves away from zero, as the device
// context rounds its mappings. A zero divisor gives 0.
int MulDivRound(int a, int b, int c) {
  if (c == 0) return 0;
  const int64_t num = int64_t(a) * b;
  const int64_t half = std::llabs(int64_t(c)) / 2;
  const bool negative = (num < 0) != (c < 0);
  const int64_t q = (std::llabs(num) + half) / std::llabs(int64_t(c));
  return int(negative ? -q : q);
}

// One axis of a derived scroll step: the given value, or device / 10 where it is zero.
int DerivedStep(int given, int from) { return std::abs(given != 0 ? given : from / kStepDivisor); }

int ClampScroll(int position, int device, int client) {
  return std::clamp(position, 0, std::max(0, device - client));
}
}  // namespace

// ---- scale ----

void ZoomView::SetZoomScale(float scale) { SetScaleWithinLimits(scale, nullptr); }

bool ZoomView::SetScaleWithinLimits(float scale, const CPoint* keep) {
  if (!(m_minScale == kNoLimit && m_maxScale == kNoLimit)) {
    if (scale > m_maxScale) {
      OnOutOfRange(0);
      return false;
    }
    if (scale < m_minScale) {
      OnOutOfRange(1);
      return false;
    }
  }
  if (!(scale > 0.0f)) return false;  // a zero or negative scale would map nothing
  ApplyScale(scale, keep);
  return true;
}

void ZoomView::ZoomIn(const CPoint* point, float factor) {
  if (m_mode == kModeNormal) SetScaleWithinLimits(m_scale * factor, point);
}

void ZoomView::ZoomOut(const CPoint* point, float factor) {
  if (m_mode == kModeNormal && factor != 0.0f) SetScaleWithinLimits(m_scale / factor, point);
}

void ZoomView::ZoomToRect(const CRect& documentRect) {
  if (m_mode != kModeNormal) return;
  const CRect r = documentRect.Normalized();
  if (r.Width() <= 0 || r.Height() <= 0) return;  // no area: no scale to fit it
  const CSize client = ClientSize();
  const float sx = float(client.cx + 1) / float(r.Width());
  const float sy = float(client.cy + 1) / float(r.Height());
  SetZoomScale(std::min(sx, sy));
  CenterOnDocumentPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void ZoomView::ZoomToActualSize() {
  if (m_mode == kModeNormal) SetScaleWithinLimits(1.0f, nullptr);
}

void ZoomView::ZoomToPercent(int percent, const CPoint* point) {
  if (m_mode == kModeNormal) SetScaleWithinLimits(float(percent) * 0.01f, point);
}

void ZoomView::ZoomToFit() {
  if (m_mode != kModeFit || m_logical.cx <= 0 || m_logical.cy <= 0) return;
  const CSize client = ClientSize();
  const float sx = float(client.cx) / float(m_logical.cx);
  const float sy = float(client.cy) / float(m_logical.cy);
  SetScaleWithinLimits(std::min(sx, sy), nullptr);
}

void ZoomView::ApplyScale(float scale, const CPoint* keep) {
  const CSize client = ClientSize();
  const CPoint centre = keep ? *keep : WindowToDocument(CPoint{client.cx / 2, client.cy / 2});
  m_scale = scale;
  UpdateDeviceSize();
  CenterOnDocumentPoint(centre);
  OnLayoutChanged();
  OnZoomChanged();
}

// ---- sizes and scrolling ----

void ZoomView::SetLogicalSize(CSize logical, CSize page, CSize line) {
  m_logical = logical;
  m_baseDevice = logical;  // converted at 1:1
  m_pageSet = page;
  m_lineSet = line;
  UpdateDeviceSize();
  ScrollTo(m_scroll);
  OnLayoutChanged();
}

void ZoomView::UpdateDeviceSize() {
  m_device = {int(float(m_baseDevice.cx) * m_scale), int(float(m_baseDevice.cy) * m_scale)};
  m_page = {DerivedStep(m_pageSet.cx, m_device.cx), DerivedStep(m_pageSet.cy, m_device.cy)};
  m_line = {DerivedStep(m_lineSet.cx, m_page.cx), DerivedStep(m_lineSet.cy, m_page.cy)};
}

void ZoomView::ScrollTo(CPoint position) {
  const CSize client = ClientSize();
  m_scroll = {ClampScroll(position.x, m_device.cx, client.cx), ClampScroll(position.y, m_device.cy, client.cy)};
}

void ZoomView::CenterOnDocumentPoint(CPoint point) {
  const CSize client = ClientSize();
  const int dx = MulDivRound(point.x, m_device.cx, m_logical.cx);
  const int dy = MulDivRound(point.y, m_device.cy, m_logical.cy);
  ScrollTo({dx - client.cx / 2, dy - client.cy / 2});
}

// ---- mapping ----

CPoint ZoomView::ViewportOrigin() const {
  const CSize client = ClientSize();
  CPoint origin = {-m_scroll.x, -m_scroll.y};
  if (m_center && m_device.cx < client.cx) origin.x = (client.cx - m_device.cx) / 2;
  if (m_center && m_device.cy < client.cy) origin.y = (client.cy - m_device.cy) / 2;
  return origin;
}

CPoint ZoomView::WindowToDocument(CPoint window) const {
  const CPoint o = ViewportOrigin();
  return {MulDivRound(window.x - o.x, m_logical.cx, m_device.cx),
          MulDivRound(window.y - o.y, m_logical.cy, m_device.cy)};
}

CPoint ZoomView::DocumentToWindow(CPoint document) const {
  const CPoint o = ViewportOrigin();
  return {MulDivRound(document.x, m_device.cx, m_logical.cx) + o.x,
          MulDivRound(document.y, m_device.cy, m_logical.cy) + o.y};
}

CRect ZoomView::DocumentToWindow(const CRect& document) const {
  const CPoint a = DocumentToWindow(CPoint{document.left, document.top});
  const CPoint b = DocumentToWindow(CPoint{document.right, document.bottom});
  return {a.x, a.y, b.x, b.y};
}

CRect ZoomView::WindowToDocument(const CRect& window) const {
  const CPoint a = WindowToDocument(CPoint{window.left, window.top});
  const CPoint b = WindowToDocument(CPoint{window.right, window.bottom});
  return {a.x, a.y, b.x, b.y};
}

}  // namespace tessel
