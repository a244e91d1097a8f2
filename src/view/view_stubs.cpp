// Placeholders of the view's operations while they are being written; each owner removes
// the functions it implements from this file.
#include "document/vellum_doc.h"
#include "view/vellum_view.h"

namespace tessel {

// ---- zoom_view.cpp ----
void ZoomView::SetZoomScale(float) {}
void ZoomView::ZoomIn(const CPoint*, float) {}
void ZoomView::ZoomOut(const CPoint*, float) {}
void ZoomView::ZoomToRect(const CRect&) {}
void ZoomView::ZoomToActualSize() {}
void ZoomView::ZoomToPercent(int, const CPoint*) {}
void ZoomView::ZoomToFit() {}
void ZoomView::SetLogicalSize(CSize logical, CSize, CSize) { m_logical = logical; }
void ZoomView::ScrollTo(CPoint position) { m_scroll = position; }
void ZoomView::CenterOnDocumentPoint(CPoint) {}
CPoint ZoomView::WindowToDocument(CPoint window) const { return window; }
CPoint ZoomView::DocumentToWindow(CPoint document) const { return document; }
CRect ZoomView::DocumentToWindow(const CRect& document) const { return document; }
CRect ZoomView::WindowToDocument(const CRect& window) const { return window; }
CPoint ZoomView::ViewportOrigin() const { return {}; }
void ZoomView::ApplyScale(float, const CPoint*) {}

// ---- view_paint.cpp, view_zoom.cpp, view_snap.cpp, view_guidelines.cpp, view_cursor.cpp ----
const ViewPaint& CVellumView::Paint(const CRect&) { return m_paint; }
void CVellumView::RequestFullRedraw() { m_fullRedraw = true; }
void CVellumView::DiscardCache() { m_belowCache.Release(); }
void CVellumView::InvalidateDocument(const CRect&) {}
void CVellumView::OnZoomCombo(int) {}
int CVellumView::ZoomComboPercent(int) { return 100; }
CPoint CVellumView::SnapPoint(CPoint point, bool) const { return point; }
int CVellumView::SnapToGuidelineX(int x, int, int) const { return x; }
int CVellumView::SnapToGuidelineY(int y, int, int) const { return y; }
ViewCursor CVellumView::CursorAt(CPoint, ViewKeys) { return ViewCursor::kArrow; }
void CVellumView::ZoomToolDown(CPoint) {}
void CVellumView::ZoomToolMove(CPoint) {}
void CVellumView::ZoomToolUp(CPoint) {}
void CVellumView::GuideDragMove(CPoint) {}
void CVellumView::GuideDragUp(CPoint, CPoint) {}
bool CVellumView::StartGuideDrag(CPoint) { return false; }
void CVellumView::AddCanvasOverlays(OverlayList&, const CRect&) {}

}  // namespace tessel
