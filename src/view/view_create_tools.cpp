// The creation tools of the editing view: routing of their mouse input, choosing them
// from their commands, the tool bar's numeric field, and snapping to grid and guides.
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
constexpr char kPathHint[] = "Options: SHIFT - Draw Straight Line, DOUBLECLICK - Finish drawing";

bool IsShapeTool(int tool) {
  return tool == kToolRectangle || tool == kToolCircle || tool == kToolRoundRect || tool == kToolStar;
}
}  // namespace

void CVellumView::CreationToolDown(CPoint doc, ViewKeys keys) {
  switch (m_tool) {
    case kToolRectangle:
    case kToolCircle:
    case kToolRoundRect:
    case kToolStar: ShapeToolDown(doc); break;
    case kToolNewPath: PathToolDown(doc, keys); break;
    case kToolPencil: PencilDown(doc); break;
    case kToolArrow: ArrowClick(doc); break;
    case kToolExportCrop: CropToolDown(doc); break;
    case kToolText: TextToolDown(doc); break;
    case kToolImage: ImageToolDown(doc); break;
    default: break;
  }
}

bool CVellumView::CreationToolMove(CPoint doc, ViewKeys /*keys*/) {
  switch (m_tool) {
    case kToolRectangle:
    case kToolCircle:
    case kToolRoundRect:
    case kToolStar:
    case kToolExportCrop:
      if (m_dragging) RubberBandMove(doc);
      return true;
    case kToolNewPath: PathToolMove(doc); return true;  // the rubber segment runs between presses too
    case kToolPencil:
      if (m_dragging) PencilMove(doc);
      return true;
    case kToolArrow: ArrowRubberMove(doc); return true;
    case kToolCropResize:
      if (m_dragging) CropResizeMove(doc);
      return true;
    default: return false;
  }
}

void CVellumView::CreationToolUp(CPoint doc, ViewKeys keys) {
  // A release without its press (after a double-click that finished a drawing) does nothing.
  if (IsShapeTool(m_tool) && m_dragging) ShapeToolUp(doc, keys);
  if (m_tool == kToolNewPath && m_dragging) PathToolUp(doc);
  if (m_tool == kToolPencil && m_dragging) PencilUp(doc);
  if (m_tool == kToolArrow && m_arrowClicks == 3) MakeArrow();
  if (m_tool == kToolExportCrop && m_dragging) CropToolUp(doc, keys);
  if (m_tool == kToolCropResize && m_dragging) CropResizeUp(doc);
}

bool CVellumView::CreationToolDoubleClick(CPoint /*doc*/) {
  if (m_tool == kToolNewPath) {
    FinishPath(false);
    return true;
  }
  if (m_tool == kToolArrow && m_arrowClicks == 2) {
    m_arrowPoints[2] = m_arrowPoints[1];
    m_arrowClicks = 3;
    MakeArrow();
    return true;
  }
  return false;
}

bool CVellumView::CreationToolRightDown(CPoint doc) {
  if (m_tool == kToolNewPath) {
    if (!m_pointList.empty()) FinishPath(false);
    return true;
  }
  if (m_tool == kToolArrow) {
    ArrowClick(doc);
    if (m_arrowClicks == 3) MakeArrow();
    return true;
  }
  return false;
}

int CVellumView::CreationToolOf(ViewCommand command) {
  using C = ViewCommand;
  switch (command) {
    case C::kToolRectangle: return kToolRectangle;
    case C::kToolCircle: return kToolCircle;
    case C::kToolRoundRect: return kToolRoundRect;
    case C::kToolStar: return kToolStar;
    case C::kToolNewPath: return kToolNewPath;
    case C::kToolPencil: return kToolPencil;
    case C::kToolArrow: return kToolArrow;
    case C::kToolExportCrop: return kToolExportCrop;
    case C::kToolText: return kToolText;
    case C::kToolImage: return kToolImage;
    default: return -1;
  }
}

void CVellumView::ChooseCreationTool(ViewCommand command) {
  const int tool = CreationToolOf(command);
  if (m_paintEditorRunning || tool < 0) return;
  ResetCreation();
  SetTool(tool);
  if (tool == kToolNewPath) m_host.Status(kPathHint);
}

void CVellumView::ResetCreation() {
  m_pointList.clear();
  m_willClose = false;
  m_straightPress = false;
  m_arrowClicks = 0;
}

int CVellumView::ToolValue() const {
  if (m_tool == kToolRoundRect) return m_cornerRadius;
  if (m_tool == kToolStar) return m_starPoints;
  return 0;
}

void CVellumView::SetToolValue(int value) {
  if (m_tool == kToolRoundRect) m_cornerRadius = value;
  if (m_tool == kToolStar) m_starPoints = value;
}

std::string CVellumView::ToolValueLabel() const {
  if (m_tool == kToolRoundRect) return "Corners";
  if (m_tool == kToolStar) return "Angles";
  return {};
}

CPoint CVellumView::SnapGridAndGuides(CPoint point) const {
  CPoint p = point;
  const int g = m_doc.m_gridDistance;
  if (m_snapToGrid && g > 0) {
    // Integer division truncates toward zero, as the grid snap of every gesture does.
    p.x = (p.x + g / 2) / g * g;
    p.y = (p.y + g / 2) / g * g;
  }
  if (m_doc.m_snapToGuides) {
    p.x = SnapToGuidelineX(p.x, 0, 0);
    p.y = SnapToGuidelineY(p.y, 0, 0);
  }
  return p;
}

}  // namespace tessel
