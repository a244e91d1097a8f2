// The select tool's press: crop handles, the multi-selection, guidelines, picking an
// object or a group, and the marquee, tried in that order.

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_host.h"
#include "view/view_selection_geometry.h"

namespace tessel {

void CVellumView::StartFrameDrag(CPoint doc, int handle) {
  const CRect frame = SelectionFrame();
  const CPoint reference = HandleReference(frame, handle);
  m_tool = kToolMoveSelection;
  m_handle = handle;
  m_dragOffset = {doc.x - reference.x, doc.y - reference.y};
  m_gestureRect = m_startRect = frame;
  m_invalidRect = frame;
  m_dragging = true;
  m_host.SetCapture(true);
}

void CVellumView::StartObjectDrag(CPoint doc, int handle) {
  const CRect box = m_current->GetBoxRect();
  const CPoint reference = HandleReference(box, handle);
  m_handle = handle;
  m_startRect = box;
  m_dragOffset = {doc.x - reference.x, doc.y - reference.y};
  m_invalidRect = ObjectArea(*m_current);
  if (handle > kHandleNone) m_gestureRect = {doc.x, doc.y, doc.x, doc.y};
  m_current->m_pendingResize = 0;
  m_dragging = true;
  m_host.SetCapture(true);
}

void CVellumView::StartMarquee(CPoint doc) {
  m_tool = kToolMarquee;
  m_handle = kHandleNone;
  m_gestureRect = {doc.x, doc.y, doc.x, doc.y};
  m_dragging = true;
  m_host.SetCapture(true);
  m_host.SelectionChanged();  // the tool property bar is reset
}

bool CVellumView::PressOnMultiSelection(CPoint doc, ViewKeys keys) {
  const CRect frame = SelectionFrame();
  // The handles reach 2 pixels beyond the frame; a press on one counts as inside.
  const int handle = HandleAt(m_lastWindow);
  if (frame.Contains(doc.x, doc.y) || handle != kHandleNone) {
    if (keys.shift) {
      ToggleInMultiSelection(ObjectAtPoint(doc, false, false));
      return true;
    }
    StartFrameDrag(doc, handle);
    return true;
  }
  if (keys.shift) {
    if (CDrawObject* o = ObjectAtPoint(doc, false, false)) {
      ToggleInMultiSelection(o);
    } else if (const CGroup* group = GroupAtPoint(doc)) {
      SelectGroup(*group);
    }
    return true;
  }
  InvalidateWithHandles(frame);
  m_multi.clear();
  m_host.SelectionChanged();
  return false;
}

void CVellumView::SelectToolDown(CPoint doc, ViewKeys keys) {
  if (StartCropResize(doc)) return;
  if (!m_multi.empty() && PressOnMultiSelection(doc, keys)) return;

  const int currentHandle = HandleAt(m_lastWindow);
  if (currentHandle == kHandleNone && StartGuideDrag(doc)) return;

  CDrawObject* picked = ObjectAtPoint(doc, keys.ctrl, true);
  // Handles are drawn only for the current object, so a press on one takes it.
  if (m_current && currentHandle != kHandleNone) picked = m_current;
  if (m_keepCurrent && m_current && m_current->GetSelectionRect().Contains(doc.x, doc.y)) picked = m_current;
  m_keepCurrent = false;

  if (picked) {
    if (keys.shift) {
      if (m_current && m_current != picked) ToggleInMultiSelection(m_current);
      if (!m_multi.empty()) {
        ToggleInMultiSelection(picked);
        return;
      }
    }
    SelectObject(picked);
    UpdateStatusForCurrent();
    const int handle = HandleAt(m_lastWindow);
    // The clone tag asks for its package number; the press ends here.
    if (handle == kHandleExtra11) {
      EditCloneTag();
      return;
    }
    StartObjectDrag(doc, handle);
    return;
  }

  if (const CGroup* group = GroupAtPoint(doc)) {
    if (keys.shift) {
      if (m_current) ToggleInMultiSelection(m_current);
    } else {
      SelectObject(nullptr);
    }
    SelectGroup(*group);
    StartFrameDrag(doc, HandleAt(m_lastWindow));
    return;
  }
  StartMarquee(doc);
}

}  // namespace tessel
