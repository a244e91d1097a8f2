// The commands of the shape tool: choosing the shape and add-point tools, "Break Path"
// and "Close Path", and "Convert To" Bitmap, Polynome and Envelope.
#include <algorithm>

#include "document/bitmap_from_objects.h"
#include "document/draw_object.h"
#include "document/object_point_edit.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_host.h"
#include "view/view_selection_geometry.h"

namespace tessel {

namespace {
constexpr char kShapeToolHint[] = "Select and move points, CTRL - Select control handle, DEL - delete point";

bool CanBreakOrClose(const CDrawObject* o, bool close) {
  if (!o || !(o->IsPath() || o->IsPolynome()) || o->IsText()) return false;
  if (o->IsPath() && o->m_path.m_points.empty()) return false;
  return o->IsClosed() != close;
}
}  // namespace

bool CVellumView::ExecutePointCommand(ViewCommand command) {
  using C = ViewCommand;
  if (m_paintEditorRunning) return true;
  switch (command) {
    case C::kToolShape:
      ResetCreation();
      m_selectedPoint = -1;
      SetTool(kToolShape);
      InvalidatePointArea();
      m_host.Status(kShapeToolHint);
      break;
    case C::kToolAddPoint:
      ResetCreation();
      m_selectedPoint = -1;
      SelectObject(m_current);  // the current object becomes the only selection
      SetTool(kToolAddPoint);
      m_host.Status(AddPointHint());
      break;
    case C::kBreakPath: BreakOrClosePath(false); break;
    case C::kClosePath: BreakOrClosePath(true); break;
    case C::kConvertToBitmap: ConvertCurrentToBitmap(); break;
    case C::kConvertToPolynome: ConvertCurrent(false); break;
    case C::kConvertToEnvelope: ConvertCurrent(true); break;
    default: return false;
  }
  return true;
}

CommandState CVellumView::PointCommandState(ViewCommand command) const {
  using C = ViewCommand;
  CommandState s;
  const CDrawObject* o = m_current;
  switch (command) {
    case C::kToolShape: s.checked = m_tool == kToolShape; break;
    case C::kToolAddPoint: s.checked = m_tool == kToolAddPoint; break;
    case C::kBreakPath: s.enabled = CanBreakOrClose(o, false); break;
    case C::kClosePath: s.enabled = CanBreakOrClose(o, true); break;
    case C::kConvertToBitmap: s.enabled = o && !o->IsBitmap(); break;
    case C::kConvertToPolynome: s.enabled = o && ((o->IsPath() && !o->m_path.m_points.empty()) || o->IsText()); break;
    case C::kConvertToEnvelope:
      s.enabled = o && ((o->IsPath() && !o->m_path.m_points.empty()) || (o->IsPolynome() && !o->IsPolynomeEnvelope()) ||
                        (o->IsBitmap() && !o->IsBitmapEnvelope()));
      break;
    default: break;
  }
  return s;
}

void CVellumView::BreakOrClosePath(bool close) {
  if (!CanBreakOrClose(m_current, close)) return;
  CDrawObject& o = *m_current;
  const CRect before = ObjectArea(o);
  if (close) o.ClosePath();
  else o.BreakPath();
  m_selectedPoint = -1;
  m_doc.m_modified = true;
  InvalidateWithHandles(before.Union(ObjectArea(o)));
  SetTool(kToolShape);
  InvalidatePointArea();
  SaveUndo();
  m_host.SelectionChanged();
}

void CVellumView::ConvertCurrent(bool envelope) {
  if (!PointCommandState(envelope ? ViewCommand::kConvertToEnvelope : ViewCommand::kConvertToPolynome).enabled) return;
  CDrawObject& o = *m_current;
  const CRect before = ObjectArea(o);
  if (!envelope && o.IsText()) {
    o.ConvertTextToCurves();  // live text becomes a plain polynome of its outline
  } else if (o.IsPolynome()) {
    // A plain polynome keeps its points; its envelope handles start undeformed.
    o.m_envelope = 1;
    o.RenderObject(false, nullptr);
  } else if (!o.ConvertToPolynome(envelope)) {
    return;
  }
  m_selectedPoint = -1;
  m_doc.m_modified = true;
  InvalidateWithHandles(before.Union(ObjectArea(o)));
  SaveUndo();
  m_host.SelectionChanged();
  m_host.LayersChanged();
  if (envelope) {
    SetTool(kToolShape);
    InvalidatePointArea();
  }
}

void CVellumView::ConvertCurrentToBitmap() {
  if (!m_current || m_current->IsBitmap()) return;
  CDrawObject* source = m_current;
  CDrawObject* created = NewBitmapFromObjects(m_doc, {source});
  if (!created) return;
  // The bitmap takes the source's place in the stacking order.
  auto& list = m_doc.m_objects;
  const auto at = std::find_if(list.begin(), list.end(), [&](const auto& p) { return p.get() == source; });
  const auto made = std::find_if(list.begin(), list.end(), [&](const auto& p) { return p.get() == created; });
  list.splice(at, list, made);
  InvalidateDocument(ObjectArea(*source));
  ForgetObjects();
  m_doc.RemoveObject(source);
  m_selectedPoint = -1;
  m_doc.m_modified = true;
  SaveUndo();
  SelectObject(created);
  m_host.LayersChanged();
  DiscardCache();
  RequestFullRedraw();
}

}  // namespace tessel
