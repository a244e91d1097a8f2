// SVG import: reads an SVG drawing with expat into new drawing objects (rectangles,
// ellipses, lines, polygons, polylines, paths as contour sets, text), each rendered.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/draw_object.h"  // CSvgImport owns the objects it read

namespace tessel {

class CVellumDoc;

struct CSvgImport {
  bool ok = false;
  std::string error;          // why nothing was imported, when !ok
  double width = 0;           // the drawing's size in pixels (its width and height,
  double height = 0;          //   else its viewBox, else 0)
  std::vector<std::unique_ptr<CDrawObject>> objects;  // bottom first
  int skipped = 0;            // elements left out because their shapes were too large
};

// The largest side of one imported shape, in pixels.
constexpr int kSvgMaxShapeSide = 8192;
// The largest SVG text read.
constexpr size_t kSvgMaxFileBytes = size_t(64) << 20;

// Reads SVG text. Fails with "Couldn't find XML header" without an XML declaration,
// and with the parser's reason and line for text that is not well-formed XML; on
// failure no objects are returned. Shows "Wait... loading fields" and "SVG Import".
CSvgImport ReadSvgText(const std::string& text);

// Reads the file at path and appends its objects on top of doc. With fitCanvas the
// canvas takes the drawing's size first (refused when that size is not a valid canvas).
// Returns false with *error set, doc unchanged, when the file cannot be read or
// imported; *count (when given) receives the number of objects added.
bool ImportSvg(const std::string& path, CVellumDoc& doc, bool fitCanvas, int* count, std::string* error);

}  // namespace tessel
