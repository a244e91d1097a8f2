// The menu texts, tool tips and shortcuts of the view's commands.
#include <stdexcept>

#include "view/view_commands.h"

namespace tessel {

const std::vector<CommandInfo>& ViewCommandTable() {
  using C = ViewCommand;
  static const std::vector<CommandInfo> table = {
      {C::kUndo, "edit.undo", "&Undo", "Undo", "Ctrl+Z", "Edit"},
      {C::kRedo, "edit.redo", "Redo", "Redo", "Ctrl+Y", "Edit"},
      {C::kCut, "edit.cut", "Cu&t", "Cut", "Ctrl+X", "Edit"},
      {C::kCopy, "edit.copy", "&Copy", "Copy", "Ctrl+C", "Edit"},
      {C::kPaste, "edit.paste", "&Paste", "Paste", "Ctrl+V", "Edit"},
      {C::kPasteAttributes, "edit.paste-attributes", "Paste Atributes", "Paste Atributes", "Ctrl+Shift+V", "Edit"},
      {C::kDelete, "edit.delete", "Delete Object", "Delete Object", "Del", "Edit"},
      {C::kSelectAll, "edit.select-all", "Select All", "Select All", "Ctrl+A", "Edit"},
      {C::kSnapToGrid, "edit.snap-grid", "Snap To Grid", "Snap To Grid", "", "Edit"},
      {C::kSnapToGuidelines, "edit.snap-guidelines", "Snap To Guidelines", "Snap To Guidelines", "", "Edit"},
      {C::kBringToFront, "object.bring-to-front", "Bring to front", "Bring to Front", "", "Object"},
      {C::kSendToBack, "object.send-to-back", "Send to Back", "Send to Back", "", "Object"},
      {C::kBringForward, "object.bring-forward", "Bring Forward", "Bring Forward", "", "Object"},
      {C::kSendBackward, "object.send-backward", "Send Backward", "Send Backward", "", "Object"},
      {C::kAlignLeft, "object.align-left", "Align Left", "Align Left", "", "Object"},
      {C::kAlignRight, "object.align-right", "Align Right", "Align Right", "", "Object"},
      {C::kAlignTop, "object.align-top", "Align Top", "Align Top", "", "Object"},
      {C::kAlignBottom, "object.align-bottom", "Align Bottom", "Align Bottom", "", "Object"},
      {C::kAlignCenter, "object.align-center", "Align Center", "Align Center", "", "Object"},
      {C::kCenterOnPage, "object.center-on-page", "Center on Page", "Center on Page", "", "Object"},
      {C::kFlipHorizontal, "object.flip-horizontal", "Horizontal Flip", "Horizontal Flip", "", "Object"},
      {C::kFlipVertical, "object.flip-vertical", "Vertical Flip", "Vertical Flip", "", "Object"},
      {C::kGroup, "object.group", "Group", "Group", "Ctrl+G", "Object"},
      {C::kUngroup, "object.ungroup", "Ungroup", "Ungroup", "Ctrl+U", "Object"},
      {C::kNextObject, "object.next", "Select Next Object", "Next Object", "Tab", "Object"},
      {C::kPreviousObject, "object.previous", "Select Previous Object", "Previous Object", "Shift+Tab", "Object"},
      {C::kHideAbove, "object.hide-above", "Hide all objects before selected object",
       "Hide All Objects Before Selected", "", "Object"},
      {C::kShowAll, "object.show-all", "Show All Objects", "Show All Objects", "", "Object"},
      {C::kToolSelect, "tool.select", "Select Object", "Object Selector", "", "Tools"},
      {C::kToolZoom, "tool.zoom", "Zoom", "Zoom", "", "Tools"},
      {C::kToolRotate, "tool.rotate", "Rotate Object", "Rotate", "", "Tools"},
      {C::kToolSkew, "tool.skew", "Skew", "Skew", "", "Tools"},
      {C::kZoomIn, "view.zoom-in", "Zoom In", "Zoom In", "Ctrl++", "View"},
      {C::kZoomOut, "view.zoom-out", "Zoom Out", "Zoom Out", "Ctrl+-", "View"},
      {C::kOriginalSize, "view.original-size", "Original Size", "Original Size", "Ctrl+1", "View"},
      {C::kRenderFull, "view.render-full", "Full render", "Full render", "", "View"},
      {C::kRenderLensesOff, "view.render-lenses-off", "Lenses Off", "Lenses Off", "", "View"},
      {C::kRenderWireframe, "view.render-wireframe", "Wireframe ", "Wireframe", "", "View"},
      {C::kMateCanvasBorders, "view.mate-borders", "Mate Canvas Borders", "Mate Canvas Borders", "", "View"},
      {C::kOnionSkinOnTop, "view.onion-skin-top", "Onion Skin on Top", "Onion Skin on Top", "", "View"},
      {C::kPressEsc, "view.escape", "Press Esc", "Press Esc", "Esc", ""},
      // Creation tools
      {C::kToolRectangle, "tool.rectangle", "Rectangle", "Rectangle", "", "Tools"},
      {C::kToolCircle, "tool.circle", "Circle", "Circle", "", "Tools"},
      {C::kToolRoundRect, "tool.rounded-rectangle", "Rounded Rectangle", "Rounded Rectangle", "", "Tools"},
      {C::kToolStar, "tool.star", "Star", "Star", "", "Tools"},
      {C::kToolNewPath, "tool.path", "Make New Path", "New Line/Path", "", "Tools"},
      {C::kToolPencil, "tool.pencil", "Draw Free Path", "Pencil", "", "Tools"},
      {C::kToolArrow, "tool.arrow", "Draw Arrow", "Draw Arrow Line", "", "Tools"},
      {C::kToolExportCrop, "tool.export-crop", "Select Export Crop Region", "Export Crop", "", "Tools"},
      {C::kToolText, "tool.text", "Polynome Artistic Text", "Artistic Text", "", "Tools"},
      {C::kToolImage, "tool.image", "Image", "Insert Image from File", "", "Tools"},
  };
  return table;
}

const CommandInfo& ViewCommandInfo(ViewCommand id) {
  for (const CommandInfo& info : ViewCommandTable())
    if (info.id == id) return info;
  throw std::logic_error("view command without a table entry");
}

}  // namespace tessel
