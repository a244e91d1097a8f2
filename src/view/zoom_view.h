// ZoomView: a scrolling view of a fixed logical size (the canvas in document pixels)
// shown at a zoom scale. It maps window points to document points and back, keeps the
// scroll position and the scroll steps, and zooms by factor, to a rectangle, to a
// percentage, to actual size and to fit.
#pragma once

#include "base/rect.h"

namespace tessel {

class ZoomView {
 public:
  enum Mode { kModeOff = 0, kModeNormal = 2, kModeFit = 3 };

  virtual ~ZoomView() = default;

  // Called after every change of scale; does nothing here.
  virtual void OnZoomChanged() {}
  // A requested scale lay above the maximum (direction 0) or below the minimum (1).
  virtual void OnOutOfRange(int /*direction*/) {}

  // Applies the limits: outside them the scale stays and OnOutOfRange is called.
  void SetZoomScale(float scale);
  // Normal mode only. point is a document point to keep at the client centre, or null
  // for the document point now at the centre.
  void ZoomIn(const CPoint* point, float factor);
  void ZoomOut(const CPoint* point, float factor);
  void ZoomToRect(const CRect& documentRect);
  void ZoomToActualSize();
  void ZoomToPercent(int percent, const CPoint* point);
  // Fit mode only: the logical size fits into the client area, aspect kept.
  void ZoomToFit();

  float Scale() const { return m_scale; }
  // -1, -1 takes any scale.
  void SetScaleLimits(float minimum, float maximum) { m_minScale = minimum; m_maxScale = maximum; }
  float MinScale() const { return m_minScale; }
  float MaxScale() const { return m_maxScale; }
  int ZoomMode() const { return m_mode; }
  void SetZoomMode(int mode) { m_mode = mode; }
  bool CenterFlag() const { return m_center; }
  void SetCenterFlag(bool center) { m_center = center; }

  // The logical size (canvas pixels); resets the device sizes and scroll steps (zero
  // steps are derived: page = device / 10, line = page / 10).
  void SetLogicalSize(CSize logical, CSize page = {}, CSize line = {});
  CSize LogicalSize() const { return m_logical; }
  CSize DeviceSize() const { return m_device; }
  CSize PageSize() const { return m_page; }
  CSize LineSize() const { return m_line; }

  // Scroll position in device pixels, clamped to the scrollable range.
  CPoint ScrollPosition() const { return m_scroll; }
  void ScrollTo(CPoint position);
  // Scrolls so that the document point lies at the centre of the client area.
  void CenterOnDocumentPoint(CPoint point);

  // Window point to document point and back through the mapping (window extent =
  // logical size, viewport extent = device size, origin = minus the scroll position or
  // the centring offset when the device size is smaller than the client).
  CPoint WindowToDocument(CPoint window) const;
  CPoint DocumentToWindow(CPoint document) const;
  CRect DocumentToWindow(const CRect& document) const;
  CRect WindowToDocument(const CRect& window) const;
  // The window position of document (0, 0).
  CPoint ViewportOrigin() const;

  // Size of the client area in window pixels.
  virtual CSize ClientSize() const = 0;

 protected:
  // The window must be repainted and the scroll bars updated.
  virtual void OnLayoutChanged() {}

 private:
  // The common tail of every scale change; keep is the document point to centre on.
  void ApplyScale(float scale, const CPoint* keep);
  // Takes scale when the limits allow it (see SetZoomScale); returns whether it did.
  bool SetScaleWithinLimits(float scale, const CPoint* keep);
  // Device size and scroll steps from the base device size and the scale.
  void UpdateDeviceSize();

  float m_scale = 1.0f;
  float m_minScale = -1.0f, m_maxScale = -1.0f;
  int m_mode = kModeNormal;
  bool m_center = true;
  CSize m_logical, m_baseDevice, m_device, m_page, m_line;
  CSize m_pageSet, m_lineSet;  // as given; zero means derived
  CPoint m_scroll;
};

}  // namespace tessel
