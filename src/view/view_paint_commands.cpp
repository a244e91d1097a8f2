// The painting commands of the view: the "Paint Transparency" and "Paint Opaque" tools,
// "Bitmap Brush Edit on Object" and "Paint on Edge". The editor itself lives with the
// window, reached through IPaintEditorRoute.
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/paint_editor_route.h"
#include "view/vellum_view.h"

namespace tessel {

CDrawObject* CVellumView::PaintableObjectAt(CPoint window) const {
  const CPoint doc = WindowToDocument(window);
  CDrawObject* found = ObjectAtPoint(doc, false, false);
  if (!found || (!found->IsBitmap() && found->m_layer.IsEmpty())) return nullptr;
  return found;
}

void CVellumView::BeginPaintEditor() {
  if (m_paintEditorRunning) return;
  m_toolBeforePainting = m_tool;
  m_paintEditorRunning = true;
  m_dragging = false;
  SetTool(kToolPaintEditor);
  RequestFullRedraw();
}

void CVellumView::EndPaintEditor() {
  if (!m_paintEditorRunning) return;
  m_paintEditorRunning = false;
  SetTool(m_toolBeforePainting);
  DiscardCache();
  RequestFullRedraw();
}

bool CVellumView::ExecutePaintCommand(ViewCommand command) {
  using C = ViewCommand;
  switch (command) {
    case C::kToolPaintTransparency:
      if (!m_paintEditorRunning) SetTool(kToolPaintTransparency);
      return true;
    case C::kToolPaintOpaque:
      if (!m_paintEditorRunning) SetTool(kToolPaintOpaque);
      return true;
    case C::kPaintEditObject:
      return m_current && m_paintEditorRoute && !m_paintEditorRunning && m_paintEditorRoute->OpenEditor(*m_current, 0);
    case C::kPaintOnEdge: return m_paintEditorRoute && m_paintEditorRoute->RouteCommand(command);
    default: return false;
  }
}

CommandState CVellumView::PaintCommandState(ViewCommand command) const {
  using C = ViewCommand;
  CommandState s;
  switch (command) {
    case C::kToolPaintTransparency: s.checked = m_tool == kToolPaintTransparency; break;
    case C::kToolPaintOpaque: s.checked = m_tool == kToolPaintOpaque; break;
    case C::kPaintEditObject: s.enabled = m_current != nullptr && m_paintEditorRoute != nullptr; break;
    case C::kPaintOnEdge: s.enabled = m_paintEditorRoute != nullptr; break;
    default: break;
  }
  return s;
}

}  // namespace tessel
