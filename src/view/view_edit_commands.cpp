// The view's edit commands: nudging with the arrow keys, select all, delete, undo and
// redo, and the selection list they share.
#include <algorithm>

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

std::vector<CDrawObject*> CVellumView::SelectedObjects() const {
  if (m_current) return {m_current};
  std::vector<CDrawObject*> ordered;
  if (m_multi.empty()) return ordered;
  for (const auto& o : m_doc.m_objects)
    if (std::find(m_multi.begin(), m_multi.end(), o.get()) != m_multi.end()) ordered.push_back(o.get());
  return ordered;
}

void CVellumView::ForgetObjects() {
  m_current = nullptr;
  m_lastPaintedCurrent = nullptr;
  m_multi.clear();
  m_currentGroup = nullptr;
  m_keepCurrent = false;
  m_lookPreviewBase.clear();
}

void CVellumView::Nudge(int dx, int dy, bool byGrid) {
  // A grid distance below one pixel would not move at all.
  const int step = byGrid ? std::max(1, m_doc.m_gridDistance) : 1;
  const std::vector<CDrawObject*> moving = m_current ? std::vector<CDrawObject*>{m_current} : m_multi;
  for (CDrawObject* o : moving) {
    const CRect before = EffectRect(*o);
    o->SetPosition(o->m_left + dx * step, o->m_top + dy * step);
    InvalidateObjectChange(before, *o);
  }
  if (!moving.empty()) m_doc.m_modified = true;
}

void CVellumView::SelectAll() {
  m_current = nullptr;
  m_multi.clear();
  for (const auto& o : m_doc.m_objects) m_multi.push_back(o.get());
  m_host.Status("Group of " + std::to_string(m_multi.size()) + " objects");
  m_host.SelectionChanged();
  RequestFullRedraw();
}

int CVellumView::RemoveSelected() {
  const std::vector<CDrawObject*> doomed = SelectedObjects();
  for (CDrawObject* o : doomed) {
    InvalidateDocument(EffectRect(*o));
    m_doc.RemoveObject(o);  // the returned owner destroys it
  }
  // The last painted current object may be among them; the cache below it is stale.
  m_current = nullptr;
  m_lastPaintedCurrent = nullptr;
  m_multi.clear();
  if (doomed.empty()) return 0;
  m_doc.m_modified = true;
  DiscardCache();
  RequestFullRedraw();
  m_host.SelectionChanged();
  m_host.LayersChanged();
  return int(doomed.size());
}

void CVellumView::DeleteSelection() {
  // The painting editor takes the key itself; the shape tool deletes its selected path
  // point instead of the object.
  if (m_paintEditorRunning) return;
  // Shape tool
  if (m_tool == kToolShape) return DeleteSelectedPoint();
  if (m_current) {
    RemoveSelected();
    SaveUndo();
  } else if (!m_multi.empty()) {
    SaveUndo();
    RemoveSelected();
    SaveUndo();
  }
}

void CVellumView::UndoRedo(bool redo) {
  // The painting editor has its own undo.
  if (m_paintEditorRunning) return;
  // The document replaces every object, so no pointer into the old list may survive.
  ForgetObjects();
  m_host.SelectionChanged();
  if (redo)
    m_doc.Redo();
  else
    m_doc.Undo();
  m_host.LayersChanged();
  DiscardCache();
  RequestFullRedraw();
}

}  // namespace tessel
