// The view's selection: the current object, the multi-selection and groups, the
// selection frame, picking by position and the handle hit test.
#include <algorithm>
#include <string>

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"
#include "view/vellum_view.h"
#include "view/view_host.h"
#include "view/view_selection_geometry.h"

namespace tessel {

namespace {
std::string SelectedCountText(size_t count) { return " " + std::to_string(count) + " objects selected"; }

// The handles in hit-test order.
constexpr int kHandleOrder[] = {1, 2, 3, 4, 5, 6, 7, 8, kHandleExtra11, kHandleExtra12};
// The clone tag lies from (left + 6, top - 2) to (left + 14, top + 6) of the frame.
constexpr CRect kCloneTag{6, -2, 14, 6};
}  // namespace

void CVellumView::InvalidateWithHandles(const CRect& documentRect) {
  if (documentRect.IsEmpty()) return;
  m_host.Invalidate(DocumentToWindow(documentRect).Inflated(kHandleReach));
}

void CVellumView::SelectObject(CDrawObject* object) {
  if (!m_multi.empty()) {
    InvalidateWithHandles(SelectionFrame());
    m_multi.clear();
  }
  CRect area;
  if (m_current) area = ObjectArea(*m_current);
  if (object) area = area.Union(ObjectArea(*object));
  m_current = object;
  InvalidateWithHandles(area);
  m_host.SelectionChanged();
}

void CVellumView::ToggleInMultiSelection(CDrawObject* object) {
  if (!object) return;
  const auto member = std::find(m_multi.begin(), m_multi.end(), object);
  InvalidateWithHandles(SelectionFrame());
  if (member == m_multi.end()) {
    m_multi.push_back(object);
    if (m_current) InvalidateWithHandles(ObjectArea(*m_current));
    m_current = nullptr;
    m_host.SelectionChanged();
    InvalidateWithHandles(SelectionFrame());
    m_host.Status(SelectedCountText(m_multi.size()));
    return;
  }
  m_multi.erase(member);
  if (m_multi.size() < 2) {
    CDrawObject* remaining = m_multi.empty() ? nullptr : m_multi.front();
    m_multi.clear();
    SelectObject(remaining);
    UpdateStatusForCurrent();
    return;
  }
  m_host.SelectionChanged();
  m_host.Status(SelectedCountText(m_multi.size()));
}

int CVellumView::SelectGroup(const CGroup& group) {
  if (m_current) InvalidateWithHandles(ObjectArea(*m_current));
  m_current = nullptr;
  // The record is edited through the document's list: members that left the group
  // are dropped from it.
  CGroup* record = nullptr;
  for (CGroup& g : m_doc.m_groups)
    if (&g == &group) record = &g;
  std::vector<std::string> kept;
  int added = 0;
  for (const std::string& uid : group.uids) {
    CDrawObject* o = m_doc.FindByUid(uid);
    if (o && !o->m_inGroup) continue;
    kept.push_back(uid);
    if (o && std::find(m_multi.begin(), m_multi.end(), o) == m_multi.end()) {
      m_multi.push_back(o);
      ++added;
    }
  }
  if (record) record->uids = std::move(kept);
  m_currentGroup = &group;
  InvalidateWithHandles(SelectionFrame());
  m_host.SelectionChanged();
  m_host.Status("Group of " + std::to_string(added) + " objects");
  return added;
}

CRect CVellumView::SelectionFrame() const {
  CRect united;
  for (const CDrawObject* o : m_multi) united = united.Union(EffectRect(*o));
  return united.IsEmpty() ? united : united.Inflated(kSelectionFrameGrow);
}

void CVellumView::UpdateStatusForCurrent() { m_host.Status(m_current ? m_current->StatusText() : "Ready."); }

CDrawObject* CVellumView::ObjectAtPoint(CPoint point, bool byRect, bool showHint) const {
  std::string hint;
  CDrawObject* found = m_doc.ObjectAt(point.x, point.y, byRect, showHint ? &hint : nullptr);
  if (!hint.empty()) m_host.Status(hint);
  return found;
}

const CGroup* CVellumView::GroupAtPoint(CPoint point) const {
  if (m_doc.m_groups.empty()) return nullptr;
  return m_doc.GroupAt(point.x, point.y);
}

void CVellumView::ComputeHandleRects(CRect (&rects)[13]) const {
  for (CRect& r : rects) r = {};
  CRect frame;
  if (m_current) frame = DocumentToWindow(m_current->GetSelectionRect());
  else if (!m_multi.empty()) frame = DocumentToWindow(SelectionFrame());
  else return;
  for (int h = kHandleTopLeft; h <= kHandleLeft; ++h) rects[h] = HandleRect(frame, h);
  const bool cloneTag = m_current && (m_current->IsClone() || (m_current->IsPackage() && m_current->m_packageId > 0));
  if (cloneTag) rects[kHandleExtra11] = kCloneTag.Offset(frame.left, frame.top);
}

int CVellumView::HandleAt(CPoint window) const {
  if (!m_current && m_multi.empty()) return kHandleNone;
  CRect rects[13];
  ComputeHandleRects(rects);
  for (int h : kHandleOrder)
    if (rects[h].Contains(window.x, window.y)) return h;
  return kHandleNone;
}

}  // namespace tessel
