// The codes the editing view runs on: its tool (ViewTool), what lies under the cursor in
// the select tool (HoverCode / HandleCode), the cursor shapes it asks its window for,
// and the modifier keys that come with every input event.
#pragma once

namespace tessel {

// The current tool or gesture of a view. Internal codes (16, 19, 20, 24, 25, 26) are
// entered only by a gesture of another tool and left when that gesture ends.
enum ViewTool : int {
  kToolSelect = 0,
  kToolZoom = 1,
  kToolRectangle = 2,
  kToolCircle = 3,
  kToolOneButton = 4,
  kToolShape = 5,
  kToolRoundRect = 6,
  kToolAddPoint = 7,
  kToolNewPath = 8,
  kToolRotate = 9,
  kToolStar = 10,
  kToolImage = 11,
  kToolPaintTransparency = 12,
  kToolTexture = 13,
  kToolPencil = 14,
  kToolSkew = 15,
  kToolMarquee = 16,
  kToolText = 17,
  kToolExportCrop = 18,
  kToolCropResize = 19,
  kToolMoveSelection = 20,
  kToolColorTransparency = 21,
  kToolPaintOpaque = 22,
  kToolArrow = 23,
  kToolPaintEditor = 24,
  kToolGuideV = 25,
  kToolGuideH = 26,
  kToolLights = 27,
  kToolTranspMap = 28,
  kToolPerspective = 29,
};

// Handles of a selection rectangle (l, t, r, b); also the hover codes of the select
// tool, which add 9 (move) and 10 (constrained move).
enum HandleCode : int {
  kHandleNone = 0,
  kHandleTopLeft = 1,
  kHandleBottomLeft = 2,
  kHandleBottomRight = 3,
  kHandleTopRight = 4,
  kHandleTop = 5,
  kHandleRight = 6,
  kHandleBottom = 7,
  kHandleLeft = 8,
  kHoverMove = 9,
  kHoverConstrainedMove = 10,
  kHandleExtra11 = 11,  // the clone tag
  kHandleExtra12 = 12,
};

// Cursor shapes the view asks its window to show.
enum class ViewCursor {
  kDefault,
  kArrow,
  kSizeNWSE,        // diagonal, top-left to bottom-right
  kSizeNESW,        // diagonal, bottom-left to top-right
  kSizeNS,          // vertical
  kSizeWE,          // horizontal
  kFreeResize,
  kMove,
  kConstrainedMove,
  kHandle11,
  kHandle12,
  kZoom,
  kZoomDrag,
  kCrosshair,       // creation tools
  kText,
  kPointEdit,
  kAddPoint,
  kRotate,
  kPaintTransparency,
  kPencil,
  kSkewH,
  kSkewV,
  kCrop,
  kColorTransparency,
  kPaintOpaque,
  kLights,
  kWait,
};

// Modifier keys held during an input event.
struct ViewKeys {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// Keys the view handles itself; everything else reaches it only through commands.
enum class ViewKey { kLeft, kRight, kUp, kDown, kDelete, kEscape, kOther };

}  // namespace tessel
