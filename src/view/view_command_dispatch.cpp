// Routing of the view's commands to their handlers, and what each menu item shows.
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/paint_editor_route.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
// The groups of commands whose handlers live with their tools, by their enum sections.
enum class CommandFamily { kCore, kCanvas, kCreation, kPlacement, kPoint, kPaint };

CommandFamily FamilyOf(ViewCommand c) {
  using C = ViewCommand;
  const auto within = [c](C first, C last) { return int(c) >= int(first) && int(c) <= int(last); };
  if (within(C::kTrimCanvas, C::kPasteInside)) return CommandFamily::kCanvas;
  if (within(C::kToolRectangle, C::kToolImage)) return CommandFamily::kCreation;
  if (within(C::kToolTexture, C::kResetPerspTransformation)) return CommandFamily::kPlacement;
  if (within(C::kToolShape, C::kConvertToEnvelope)) return CommandFamily::kPoint;
  if (within(C::kToolPaintTransparency, C::kPaintOnEdge)) return CommandFamily::kPaint;
  return CommandFamily::kCore;
}
constexpr float kZoomStep = 2.0f;
constexpr int kComboCustom = 10;
}  // namespace

bool CVellumView::Execute(ViewCommand command) {
  using C = ViewCommand;
  // A running painting editor takes undo, redo, Esc and its own commands first.
  if (m_paintEditorRunning && m_paintEditorRoute && m_paintEditorRoute->RouteCommand(command)) return true;
  switch (FamilyOf(command)) {
    case CommandFamily::kCanvas: return ExecuteCanvasCommand(command);
    case CommandFamily::kCreation: ChooseCreationTool(command); return true;
    case CommandFamily::kPlacement: return ExecutePlacementCommand(command);
    case CommandFamily::kPoint: return ExecutePointCommand(command);
    case CommandFamily::kPaint: return ExecutePaintCommand(command);
    case CommandFamily::kCore: break;
  }
  switch (command) {
    case C::kUndo: UndoRedo(false); return true;
    case C::kRedo: UndoRedo(true); return true;
    case C::kCut: Cut(); return true;
    case C::kCopy: Copy(); return true;
    case C::kPaste: Paste(); return true;
    case C::kPasteAttributes: PasteAttributes(); return true;
    case C::kDelete: DeleteSelection(); return true;
    case C::kSelectAll: SelectAll(); return true;
    case C::kSnapToGrid:
      m_snapToGrid = !m_snapToGrid;
      RequestFullRedraw();
      return true;
    case C::kSnapToGuidelines: m_doc.m_snapToGuides = m_doc.m_snapToGuides ? 0 : 1; return true;
    case C::kBringToFront:
    case C::kSendToBack:
    case C::kBringForward:
    case C::kSendBackward: StackingOrder(command); return true;
    case C::kAlignLeft:
    case C::kAlignRight:
    case C::kAlignTop:
    case C::kAlignBottom:
    case C::kAlignCenter: Align(command); return true;
    case C::kCenterOnPage: CenterOnPage(); return true;
    case C::kFlipHorizontal: Flip(true); return true;
    case C::kFlipVertical: Flip(false); return true;
    case C::kGroup: Group(); return true;
    case C::kUngroup: Ungroup(); return true;
    case C::kNextObject: SelectNeighbour(true); return true;
    case C::kPreviousObject: SelectNeighbour(false); return true;
    case C::kHideAbove: HideAbove(); return true;
    case C::kShowAll: ShowAll(); return true;
    case C::kToolSelect: SetTool(kToolSelect); return true;
    case C::kToolZoom:
      if (!m_paintEditorRunning) SetTool(kToolZoom);
      return true;
    case C::kToolRotate: SetTool(kToolRotate); return true;
    case C::kToolSkew: SetTool(kToolSkew); return true;
    case C::kZoomIn:
    case C::kZoomOut:
      if (command == C::kZoomIn)
        ZoomIn(nullptr, kZoomStep);
      else
        ZoomOut(nullptr, kZoomStep);
      m_host.SetZoomCombo(kComboCustom);
      DiscardCache();
      RequestFullRedraw();
      return true;
    case C::kOriginalSize:
      m_host.SetZoomCombo(4);
      ZoomToPercent(100, nullptr);
      DiscardCache();
      RequestFullRedraw();
      return true;
    case C::kRenderFull:
    case C::kRenderLensesOff:
    case C::kRenderWireframe:
      if (command == C::kRenderFull) m_lensesOff = m_wireframe = false;
      if (command == C::kRenderLensesOff) m_lensesOff = true, m_wireframe = false;
      if (command == C::kRenderWireframe) m_wireframe = true;
      DiscardCache();
      RequestFullRedraw();
      return true;
    case C::kMateCanvasBorders:
      m_canvasBordersMask = !m_canvasBordersMask;
      RequestFullRedraw();
      return true;
    case C::kOnionSkinOnTop:
      m_onionSkinOnTop = !m_onionSkinOnTop;
      RequestFullRedraw();
      return true;
    case C::kPressEsc: return m_paintEditorRunning;
    default: break;
  }
  return false;
}

CommandState CVellumView::State(ViewCommand command) const {
  using C = ViewCommand;
  CommandState s;
  const bool editor = m_paintEditorRunning;
  const bool any = m_current != nullptr || !m_multi.empty();
  switch (FamilyOf(command)) {
    case CommandFamily::kCanvas: s = CanvasCommandState(command); break;
    case CommandFamily::kCreation: s.checked = m_tool == CreationToolOf(command); break;
    case CommandFamily::kPlacement: s = PlacementCommandState(command); break;
    case CommandFamily::kPoint: s = PointCommandState(command); break;
    case CommandFamily::kPaint: s = PaintCommandState(command); break;
    case CommandFamily::kCore: break;
  }
  switch (command) {
    case C::kUndo: s.enabled = m_doc.CanUndo(); break;
    case C::kRedo: s.enabled = m_doc.CanRedo(); break;
    case C::kCut:
    case C::kCopy:
    case C::kDelete: s.enabled = any; break;
    case C::kPaste: s.enabled = true; break;
    case C::kPasteAttributes: s.enabled = m_current != nullptr; break;
    case C::kSnapToGrid: s.checked = m_snapToGrid; break;
    case C::kSnapToGuidelines: s.checked = m_doc.m_snapToGuides != 0; break;
    case C::kBringToFront:
    case C::kSendToBack: s.enabled = any; break;
    case C::kBringForward:
    case C::kSendBackward: s.enabled = m_current != nullptr; break;
    case C::kAlignLeft:
    case C::kAlignRight:
    case C::kAlignTop:
    case C::kAlignBottom:
    case C::kAlignCenter:
    case C::kGroup: s.enabled = !m_multi.empty(); break;
    case C::kUngroup: s.enabled = m_currentGroup != nullptr; break;
    case C::kCenterOnPage: s.enabled = any; break;
    case C::kFlipHorizontal:
    case C::kFlipVertical:
    case C::kNextObject:
    case C::kPreviousObject:
    case C::kHideAbove: s.enabled = m_current != nullptr; break;
    case C::kToolSelect: s.checked = m_tool == kToolSelect; break;
    case C::kToolZoom: s.checked = m_tool == kToolZoom; break;
    case C::kToolRotate: s.checked = m_tool == kToolRotate; break;
    case C::kToolSkew: s.checked = m_tool == kToolSkew; break;
    case C::kRenderFull: s.checked = !m_lensesOff && !m_wireframe; break;
    case C::kRenderLensesOff: s.checked = m_lensesOff && !m_wireframe; break;
    case C::kRenderWireframe: s.checked = m_wireframe; break;
    case C::kMateCanvasBorders: s.checked = m_canvasBordersMask; break;
    case C::kOnionSkinOnTop: s.checked = m_onionSkinOnTop; break;
    default: break;
  }
  // While the painting editor runs the tools are off; undo and redo are its own.
  if (editor && command != C::kUndo && command != C::kRedo && command != C::kPressEsc &&
      command != C::kZoomIn && command != C::kZoomOut && command != C::kOriginalSize && command != C::kToolZoom)
    s.enabled = false;
  if (m_paintEditorRoute) m_paintEditorRoute->RouteState(command, s);
  return s;
}

std::vector<std::string> CVellumView::ContextMenuEntries() const {
  // Placement tools: the texture and perspective tools show their own menu instead.
  if (std::vector<std::string> own = PlacementContextMenu(); !own.empty()) return own;
  return {"&Copy", "&Paste", "Paste Atributes",
          // Shape tool
          "Break Path", "Close Path", "Bitmap", "Polynome", "Envelope"};
}

}  // namespace tessel
