// Placeholders of the view's operations while they are being written; each owner removes
// the functions it implements from this file.
#include "document/vellum_doc.h"
#include "view/vellum_view.h"

namespace tessel {

// ---- view_selection.cpp, view_select_tool.cpp, view_multi_move.cpp, view_marquee.cpp,
//      view_rotate_skew.cpp, view_selection_overlays.cpp ----
void CVellumView::SelectObject(CDrawObject* object) { m_current = object; m_multi.clear(); }
void CVellumView::ToggleInMultiSelection(CDrawObject*) {}
int CVellumView::SelectGroup(const CGroup&) { return 0; }
CRect CVellumView::SelectionFrame() const { return {}; }
void CVellumView::UpdateStatusForCurrent() {}
CDrawObject* CVellumView::ObjectAtPoint(CPoint, bool, bool) const { return nullptr; }
const CGroup* CVellumView::GroupAtPoint(CPoint) const { return nullptr; }
int CVellumView::HandleAt(CPoint) const { return 0; }
void CVellumView::SelectToolDown(CPoint, ViewKeys) {}
void CVellumView::SelectToolMove(CPoint, ViewKeys) {}
void CVellumView::SelectToolUp(CPoint, ViewKeys) {}
void CVellumView::MoveSelectionMove(CPoint, ViewKeys) {}
void CVellumView::MoveSelectionUp(CPoint, ViewKeys) {}
void CVellumView::MarqueeMove(CPoint) {}
void CVellumView::MarqueeUp(CPoint) {}
void CVellumView::RotateDown(CPoint, ViewKeys) {}
void CVellumView::RotateMove(CPoint, ViewKeys) {}
void CVellumView::RotateUp(CPoint, ViewKeys) {}
void CVellumView::SkewDown(CPoint, CPoint, ViewKeys) {}
void CVellumView::SkewMove(CPoint, ViewKeys) {}
void CVellumView::SkewUp(CPoint, ViewKeys) {}
void CVellumView::AddSelectionOverlays(OverlayList&) {}

}  // namespace tessel
