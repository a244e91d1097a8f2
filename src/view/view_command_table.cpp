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
      // Canvas and combine
      {C::kTrimCanvas, "canvas.trim", "Trim Canvas", "Trim Canvas", "Ctrl+Q", "Canvas"},
      {C::kTrimCanvasPadding, "canvas.trim-padding", "Trim Canvas+Padding", "Trim Canvas+Padding", "", "Canvas"},
      {C::kCropCanvas, "canvas.crop", "Crop Canvas", "Crop Canvas", "Ctrl+W", "Canvas"},
      {C::kBlueprintLoad, "canvas.blueprint-load", "Load from File...", "Load Blueprint from File", "", "Canvas"},
      {C::kBlueprintRemove, "canvas.blueprint-remove", "Remove", "Remove Blueprint", "", "Canvas"},
      {C::kBlueprintShowOnBack, "canvas.blueprint-on-back", "Show on Back", "Show Blueprint on Back", "", "Canvas"},
      {C::kBlueprintCenter, "canvas.blueprint-center", "Center", "Center Blueprint", "", "Canvas"},
      {C::kBlueprintPosition, "canvas.blueprint-position", "Position...", "Blueprint Position", "", "Canvas"},
      {C::kBlueprintResizeCanvas, "canvas.blueprint-resize", "Resize Canvas", "Resize Canvas to Blueprint", "",
       "Canvas"},
      {C::kCropToObject, "object.crop-to-object", "Crop to Object", "Crop to Object", "", "Object"},
      {C::kCombineXor, "object.combine-xor", "Combine XOR", "Combine XOR", "", "Object"},
      {C::kCombineUnion, "object.combine-union", "Combine Objects (Union)", "Combine Objects (Union)", "", "Object"},
      {C::kCombineModeXor, "object.mode-xor", "XOR", "XOR", "", "Object"},
      {C::kCombineModeUnion, "object.mode-union", "Union", "Union", "", "Object"},
      {C::kCopyAsBitmap, "object.copy-as-bitmap", "Copy as Bitmap", "Copy as Bitmap", "Ctrl+Shift+C", "Object"},
      {C::kNewBitmapFromObjects, "object.new-bitmap", "New Bitmap from selected Objects",
       "New Bitmap from selected Objects", "", "Object"},
      {C::kBitmapShadowFromObjects, "object.bitmap-shadow", "Bitmap Shadow from selected Objects",
       "Bitmap Shadow from selected Objects", "", "Object"},
      {C::kPasteAsBitmap, "object.paste-as-bitmap", "Paste as Bitmap", "Paste as Bitmap", "", "Object"},
      {C::kPasteInside, "object.paste-inside", "Paste Inside", "Paste Inside", "", "Object"},
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
      // Placement tools and their resets
      {C::kToolTexture, "tool.texture", "Texture Size and Rotation", "Texture Size and Rotation", "", "Tools"},
      {C::kToolPerspective, "tool.perspective", "Perspective Transformation", "Perspective Tool", "", "Tools"},
      {C::kToolLights, "tool.lights", "Edit Lights", "Edit Lights", "", "Tools"},
      {C::kToolTranspMap, "tool.transparency-map", "Transparency Map Placement", "Transparency Map Placement", "",
       "Tools"},
      {C::kResetAll, "object.reset-all", "Reset All", "Reset All", "", "Object"},
      {C::kResetOffset, "object.reset-offset", "Reset Offset", "Reset Offset", "", "Object"},
      {C::kResetSize, "object.reset-size", "Reset Size", "Reset Size", "", "Object"},
      {C::kResetAngle, "object.reset-angle", "Reset Angle", "Reset Angle", "", "Object"},
      {C::kResetPerspective, "object.reset-perspective", "Reset Perspective", "Reset Perspective", "", "Object"},
      {C::kResetBitmapAngle, "object.reset-bitmap-angle", "Reset Bitmap Angle", "Reset Bitmap Angle", "", "Object"},
      {C::kResetPerspTransformation, "object.reset-persp-transformation", "Reset Persp. transformation",
       "Reset Persp. transformation", "", "Object"},
      // Shape tool: point editing, paths and conversions
      {C::kToolShape, "tool.shape", "Shape Tool", "Shape Tool", "", "Tools"},
      {C::kToolAddPoint, "tool.add-point", "Add Point to Path", "Add Point to Path", "", "Tools"},
      {C::kBreakPath, "object.break-path", "Break Path", "Break Path", "", "Object"},
      {C::kClosePath, "object.close-path", "Close Path", "Close Path", "", "Object"},
      {C::kConvertToBitmap, "object.convert-bitmap", "Bitmap", "Convert to Bitmap", "", "Object"},
      {C::kConvertToPolynome, "object.convert-polynome", "Polynome", "Convert to Polynome", "", "Object"},
      {C::kConvertToEnvelope, "object.convert-envelope", "Envelope", "Convert Polynome to envelope", "", "Object"},
      // Painting editor
      {C::kToolPaintTransparency, "tool.paint-transparency", "Paint Transparency", "Paint Transparency", "", "Tools"},
      {C::kToolPaintOpaque, "tool.paint-opaque", "Paint Opaque", "Paint Opaque", "", "Tools"},
      {C::kPaintEditObject, "object.paint-edit", "Bitmap Brush Edit on Object <Alt - Edit Resized>",
       "Paint on Object", "", "Object"},
      {C::kPaintOnEdge, "object.paint-on-edge", "Paint on Edge", "Paint on Edge", "", "Object"},
  };
  return table;
}

const CommandInfo& ViewCommandInfo(ViewCommand id) {
  for (const CommandInfo& info : ViewCommandTable())
    if (info.id == id) return info;
  throw std::logic_error("view command without a table entry");
}

}  // namespace tessel
