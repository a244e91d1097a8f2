// The commands of the editing view: one identifier each, with the text its menu item
// shows, its tool tip and its shortcut. The window builds its menus and toolbars from
// this table and routes every triggered item to CVellumView::Execute.
#pragma once

#include <vector>

namespace tessel {

enum class ViewCommand {
  // Edit
  kUndo,
  kRedo,
  kCut,
  kCopy,
  kPaste,
  kPasteAttributes,
  kDelete,
  kSelectAll,
  kSnapToGrid,
  kSnapToGuidelines,
  // Object
  kBringToFront,
  kSendToBack,
  kBringForward,
  kSendBackward,
  kAlignLeft,
  kAlignRight,
  kAlignTop,
  kAlignBottom,
  kAlignCenter,
  kCenterOnPage,
  kFlipHorizontal,
  kFlipVertical,
  kGroup,
  kUngroup,
  kNextObject,
  kPreviousObject,
  kHideAbove,
  kShowAll,
  // Tools
  kToolSelect,
  kToolZoom,
  kToolRotate,
  kToolSkew,
  // View
  kZoomIn,
  kZoomOut,
  kOriginalSize,
  kRenderFull,
  kRenderLensesOff,
  kRenderWireframe,
  kMateCanvasBorders,
  kOnionSkinOnTop,
  // Keyboard only
  kPressEsc,
  // The sections below are contiguous families, each handled with its tools: keep a
  // new command inside its family's first and last entries.
  // Canvas and combine
  kTrimCanvas,
  kTrimCanvasPadding,
  kCropCanvas,
  kBlueprintLoad,
  kBlueprintRemove,
  kBlueprintShowOnBack,
  kBlueprintCenter,
  kBlueprintPosition,
  kBlueprintResizeCanvas,
  kCropToObject,
  kCombineXor,
  kCombineUnion,
  kCombineModeXor,
  kCombineModeUnion,
  kCopyAsBitmap,
  kNewBitmapFromObjects,
  kBitmapShadowFromObjects,
  kPasteAsBitmap,
  kPasteInside,
  // Creation tools
  kToolRectangle,
  kToolCircle,
  kToolRoundRect,
  kToolStar,
  kToolNewPath,
  kToolPencil,
  kToolArrow,
  kToolExportCrop,
  kToolText,
  kToolImage,
  // Placement tools and their resets
  kToolTexture,
  kToolPerspective,
  kToolLights,
  kToolTranspMap,
  kResetAll,
  kResetOffset,
  kResetSize,
  kResetAngle,
  kResetPerspective,
  kResetBitmapAngle,
  kResetPerspTransformation,
  // Shape tool: point editing, paths and conversions
  kToolShape,
  kToolAddPoint,
  kBreakPath,
  kClosePath,
  kConvertToBitmap,
  kConvertToPolynome,
  kConvertToEnvelope,
  // Painting editor: the paint tools, the editor's entry and its options
  kToolPaintTransparency,
  kToolPaintOpaque,
  kPaintEditObject,
  kPaintOnEdge,
};

struct CommandInfo {
  ViewCommand id;
  const char* name;      // stable action id, "edit.undo"
  const char* label;     // the menu text with its & mnemonic
  const char* tip;       // tool tip / toolbar text, or ""
  const char* shortcut;  // Qt key sequence text ("Ctrl+Z"), or ""
  const char* menu;      // "Edit", "Object", "Tools", "View", "Canvas", "" (keyboard only)
};

// Every view command in menu order.
const std::vector<CommandInfo>& ViewCommandTable();
// The entry of one command.
const CommandInfo& ViewCommandInfo(ViewCommand id);

// What a menu item shows: enabled and ticked.
struct CommandState {
  bool enabled = true;
  bool checked = false;
};

}  // namespace tessel
