// Mouse and key input of the editing view: every handler maps the window point to the
// document first, then acts by the current tool code.
#include <algorithm>
#include <cmath>

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
constexpr int kWheelNotch = 120;
constexpr float kWheelZoomFactor = 1.25f;

// Tools whose gestures are handled together by their own files.
enum class ToolFamily { kOther, kCreation, kPlacement, kPoint };

ToolFamily FamilyOf(int tool) {
  switch (tool) {
    case kToolRectangle:
    case kToolCircle:
    case kToolRoundRect:
    case kToolStar:
    case kToolNewPath:
    case kToolPencil:
    case kToolArrow:
    case kToolExportCrop:
    case kToolCropResize:
    case kToolText:
    case kToolImage: return ToolFamily::kCreation;
    case kToolTexture:
    case kToolLights:
    case kToolTranspMap:
    case kToolPerspective: return ToolFamily::kPlacement;
    case kToolShape:
    case kToolAddPoint: return ToolFamily::kPoint;
    default: return ToolFamily::kOther;
  }
}
}  // namespace

void CVellumView::OnLButtonDown(CPoint window, ViewKeys keys) {
  m_lastWindow = window;
  if (m_paintEditorRunning) return;
  const CPoint doc = WindowToDocument(window);
  m_pressPoint = doc;
  m_firstMove = true;
  switch (FamilyOf(m_tool)) {
    case ToolFamily::kCreation: CreationToolDown(doc, keys); return;
    case ToolFamily::kPlacement: PlacementDown(doc, window, keys); return;
    case ToolFamily::kPoint: PointToolDown(doc, keys); return;
    case ToolFamily::kOther: break;
  }
  switch (m_tool) {
    case kToolSelect: SelectToolDown(doc, keys); break;
    case kToolZoom: ZoomToolDown(doc); break;
    case kToolRotate: RotateDown(doc, keys); break;
    case kToolSkew: SkewDown(doc, window, keys); break;
    case kToolOneButton: SetTool(kToolSelect); break;  // converts the point, creates nothing
    default: break;
  }
}

void CVellumView::OnMouseMove(CPoint window, ViewKeys keys) {
  m_lastWindow = window;
  if (m_paintEditorRunning) return;
  const CPoint doc = WindowToDocument(window);
  // Creation tools follow the mouse with or without a button held (rubber segments).
  if (CreationToolMove(doc, keys)) {
    m_firstMove = false;
    m_host.SetCursor(CursorAt(window, keys));
    return;
  }
  if (m_dragging) {
    switch (m_tool) {
      case kToolTexture:
      case kToolLights:
      case kToolTranspMap:
      case kToolPerspective: PlacementMove(doc, keys); break;
      case kToolShape:
      case kToolAddPoint: PointToolMove(doc, keys); break;
      case kToolSelect: SelectToolMove(doc, keys); break;
      case kToolMoveSelection: MoveSelectionMove(doc, keys); break;
      case kToolMarquee: MarqueeMove(doc); break;
      case kToolZoom: ZoomToolMove(doc); break;
      case kToolRotate: RotateMove(doc, keys); break;
      case kToolSkew: SkewMove(doc, keys); break;
      case kToolGuideV:
      case kToolGuideH: GuideDragMove(doc); break;
      default: break;
    }
    m_firstMove = false;
  }
  m_host.SetCursor(CursorAt(window, keys));
}

void CVellumView::OnLButtonUp(CPoint window, ViewKeys keys) {
  m_lastWindow = window;
  if (m_paintEditorRunning) return;
  const CPoint doc = WindowToDocument(window);
  const bool wasDragging = m_dragging;
  const int tool = m_tool;  // read once: a handler may end the gesture and change the tool
  switch (FamilyOf(tool)) {
    case ToolFamily::kCreation: CreationToolUp(doc, keys); break;
    case ToolFamily::kPlacement: PlacementUp(); break;
    case ToolFamily::kPoint: PointToolUp(doc, keys); break;
    case ToolFamily::kOther: break;
  }
  switch (FamilyOf(tool) == ToolFamily::kOther ? tool : -1) {
    case kToolSelect: SelectToolUp(doc, keys); break;
    case kToolMoveSelection: MoveSelectionUp(doc, keys); break;
    case kToolMarquee: MarqueeUp(doc); break;
    case kToolZoom: ZoomToolUp(doc); break;
    case kToolRotate: RotateUp(doc, keys); break;
    case kToolSkew: SkewUp(doc, keys); break;
    case kToolGuideV:
    case kToolGuideH: GuideDragUp(window, doc); break;
    default: break;
  }
  if (wasDragging || m_dragging) {
    m_dragging = false;
    m_host.SetCapture(false);
  }
  m_host.SetCursor(CursorAt(window, keys));
}

void CVellumView::OnLButtonDblClk(CPoint window, ViewKeys keys) {
  // The path and arrow tools finish their drawing on a double-click.
  if (!m_paintEditorRunning && CreationToolDoubleClick(WindowToDocument(window))) return;
  // Placement tools: the lights tool picks the object under the mouse.
  if (!m_paintEditorRunning && PlacementDoubleClick(WindowToDocument(window))) return;
  // Shape tool
  if (!m_paintEditorRunning && m_tool == kToolSelect && ShapeToolDoubleClick(WindowToDocument(window))) return;
  // Live text opens the text editor.
  if (!m_paintEditorRunning && m_tool == kToolSelect) {
    CDrawObject* hit = ObjectAtPoint(WindowToDocument(window), false, false);
    if (hit && hit->IsText()) {
      SelectObject(hit);
      EditText(*hit);
      return;
    }
  }
  // Double-clicks open editors of later tools; a plain press is what is left.
  OnLButtonDown(window, keys);
}

void CVellumView::OnRButtonDown(CPoint window, ViewKeys /*keys*/) {
  m_lastWindow = window;
  m_rightConsumed = false;
  if (m_paintEditorRunning) return;
  // The path tool finishes on a right press; the arrow tool takes it as a click.
  if (CreationToolRightDown(WindowToDocument(window))) {
    m_rightConsumed = true;
    return;
  }
  // Placement tools: the lights tool goes to the next light.
  if (PlacementRightDown()) {
    m_rightConsumed = true;
    return;
  }
  if (m_tool == kToolZoom) {
    // "Original Size"
    m_host.SetZoomCombo(4);
    ZoomToPercent(100, nullptr);
    DiscardCache();
    RequestFullRedraw();
    m_rightConsumed = true;
  }
}

bool CVellumView::OnRButtonUp(CPoint window, ViewKeys /*keys*/) {
  m_lastWindow = window;
  if (m_paintEditorRunning || m_tool == kToolZoom || m_tool == kToolNewPath) return false;
  if (m_rightConsumed) {
    m_rightConsumed = false;
    return false;
  }
  return true;
}

void CVellumView::OnRButtonDblClk(CPoint window, ViewKeys /*keys*/) {
  m_lastWindow = window;
  if (m_paintEditorRunning) return;
  SetTool(kToolSelect);
}

void CVellumView::OnWheel(CPoint window, int delta, ViewKeys keys) {
  if (m_paintEditorRunning || delta == 0) return;
  if (keys.ctrl) {
    // Zoom around the pointer: the document point under it stays under it.
    const CPoint before = WindowToDocument(window);
    const float factor = std::pow(kWheelZoomFactor, float(delta) / kWheelNotch);
    const float oldScale = Scale();
    SetZoomScale(oldScale * factor);
    if (Scale() == oldScale) return;
    const CPoint now = DocumentToWindow(before);
    const CPoint scroll = ScrollPosition();
    ScrollTo({scroll.x + now.x - window.x, scroll.y + now.y - window.y});
    m_host.SetZoomCombo(10);
    DiscardCache();
    RequestFullRedraw();
    m_host.ScrollBarsChanged();
    return;
  }
  const CPoint scroll = ScrollPosition();
  const int step = -delta * std::max(1, (keys.shift ? LineSize().cx : LineSize().cy)) / kWheelNotch * 3;
  if (keys.shift)
    ScrollTo({scroll.x + step, scroll.y});
  else
    ScrollTo({scroll.x, scroll.y + step});
  RequestFullRedraw();
  m_host.ScrollBarsChanged();
}

bool CVellumView::OnKeyDown(ViewKey key, ViewKeys keys) {
  if (m_paintEditorRunning) return false;
  switch (key) {
    case ViewKey::kLeft: Nudge(-1, 0, keys.ctrl); return true;
    case ViewKey::kRight: Nudge(1, 0, keys.ctrl); return true;
    case ViewKey::kUp: Nudge(0, -1, keys.ctrl); return true;
    case ViewKey::kDown: Nudge(0, 1, keys.ctrl); return true;
    case ViewKey::kDelete: return Execute(ViewCommand::kDelete);
    case ViewKey::kEscape: return Execute(ViewCommand::kPressEsc);
    default: return false;
  }
}

void CVellumView::OnScroll(CPoint position, bool endScroll) {
  ScrollTo(position);
  if (endScroll) RequestFullRedraw();
}

}  // namespace tessel
