// The cursor for the pointer over the window, by tool and, for the select and skew
// tools, by what lies under the pointer.
#include "view/vellum_view.h"

namespace tessel {

namespace {
ViewCursor SelectCursor(int hover, bool freeResize) {
  switch (hover) {
    case kHandleNone: return ViewCursor::kArrow;
    case kHandleTopLeft: return ViewCursor::kSizeNWSE;
    case kHandleBottomRight: return freeResize ? ViewCursor::kFreeResize : ViewCursor::kSizeNWSE;
    case kHandleBottomLeft:
    case kHandleTopRight: return ViewCursor::kSizeNESW;
    case kHandleTop:
    case kHandleBottom: return ViewCursor::kSizeNS;
    case kHandleRight:
    case kHandleLeft: return ViewCursor::kSizeWE;
    case kHoverMove: return ViewCursor::kMove;
    case kHoverConstrainedMove: return ViewCursor::kConstrainedMove;
    case kHandleExtra11: return ViewCursor::kHandle11;
    case kHandleExtra12: return ViewCursor::kHandle12;
    default: return ViewCursor::kArrow;
  }
}

ViewCursor SkewCursor(int hover) {
  switch (hover) {
    case kHandleTopLeft:
    case kHandleBottomRight: return ViewCursor::kSkewH;
    case kHandleBottomLeft:
    case kHandleTopRight: return ViewCursor::kSkewV;
    default: return ViewCursor::kArrow;
  }
}

// Tools whose cursor does not depend on the pointer.
ViewCursor ToolCursor(int tool, bool dragging) {
  switch (tool) {
    case kToolZoom: return dragging ? ViewCursor::kZoomDrag : ViewCursor::kZoom;
    case kToolRectangle:
    case kToolCircle:
    case kToolRoundRect:
    case kToolStar:
    case kToolImage:
    case kToolArrow:
    case kToolNewPath: return ViewCursor::kCrosshair;  // before the first point of a path
    case kToolOneButton:
    case kToolText: return ViewCursor::kText;
    case kToolShape:
    case kToolTranspMap:
    case kToolPerspective: return ViewCursor::kPointEdit;
    case kToolAddPoint: return ViewCursor::kAddPoint;
    case kToolRotate: return ViewCursor::kRotate;
    case kToolPaintTransparency: return ViewCursor::kPaintTransparency;
    case kToolPencil: return ViewCursor::kPencil;  // before a stroke
    case kToolExportCrop:
    case kToolCropResize: return ViewCursor::kCrop;
    case kToolColorTransparency: return ViewCursor::kColorTransparency;
    case kToolPaintOpaque: return ViewCursor::kPaintOpaque;
    case kToolGuideV:
    case kToolGuideH: return ViewCursor::kConstrainedMove;
    case kToolLights: return ViewCursor::kLights;
    default: return ViewCursor::kDefault;
  }
}
}  // namespace

ViewCursor CVellumView::CursorAt(CPoint window, ViewKeys keys) {
  switch (m_tool) {
    case kToolSelect:
    case kToolMoveSelection:
      if (!m_dragging) m_hover = HandleAt(window);
      return SelectCursor(m_hover, keys.ctrl || m_freeResize);
    case kToolSkew:
      if (!m_dragging) m_hover = SkewHandleAt(window);
      return SkewCursor(m_hover);
    case kToolNewPath:
      // The point-edit cursor once a path is being drawn.
      return CreationRecords() > 0 ? ViewCursor::kPointEdit : ViewCursor::kCrosshair;
    case kToolPencil: return m_dragging ? ViewCursor::kPointEdit : ViewCursor::kPencil;
    // Placement tools: the texture tool shows the point-edit cursor over its handles.
    case kToolTexture:
      if (!m_dragging) TextureHover(window);
      return m_hover != kHandleNone ? ViewCursor::kPointEdit : ViewCursor::kArrow;
    default: return ToolCursor(m_tool, m_dragging);
  }
}

}  // namespace tessel
