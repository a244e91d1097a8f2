// What the editing view draws over the composed canvas: handles, frames, rubber bands,
// guidelines, grid, the export crop region and the canvas borders mask, as a list of
// simple primitives that the window draws in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/rect.h"

namespace tessel {

enum class OverlayKind {
  kRect,       // hollow rectangle (right and bottom exclusive)
  kFillRect,   // filled rectangle
  kLine,       // points[0] to points[1]
  kPolyline,   // points in order; closed joins the last to the first
  kStipple,    // rect covered with a stipple pattern (stipple selects which)
  kPixels,     // one pixel at each point
  kText,       // text drawn at rect's top-left
};

struct OverlayItem {
  OverlayKind kind = OverlayKind::kRect;
  CRect rect;
  std::vector<CPoint> points;
  uint32_t color = 0;    // 0x00BBGGRR
  bool dotted = false;   // dotted pen
  bool invert = false;   // inverting pen (rubber bands and dragged outlines)
  bool closed = false;
  int stipple = 0;       // 0 the light crop stipple, 1 the darker canvas borders mask
  // false: coordinates are document pixels (they scale with the zoom);
  // true: coordinates are window pixels (handles keep their size at every zoom).
  bool window = false;
  std::string text;
};

using OverlayList = std::vector<OverlayItem>;

// Colours of the overlays (0x00BBGGRR).
constexpr uint32_t kAzure = 0xFF8000;        // handles and selection frames: 0, 128, 255
constexpr uint32_t kHandleGrey = 0x808080;   // the bottom-right handle
constexpr uint32_t kFrameGreen = 0x008000;   // polynome frame
constexpr uint32_t kFramePurple = 0xFF0080;  // polynome envelope frame
constexpr uint32_t kGuideBlue = 0xFF0000;
constexpr uint32_t kGuideRed = 0x0000FF;
constexpr uint32_t kGridNavy = 0x800000;
constexpr uint32_t kLightGrey = 0xE1E1E1;    // outside the canvas: 225, 225, 225

}  // namespace tessel
