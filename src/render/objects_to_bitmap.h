// Rendering a list of objects into one bitmap: packages, "New Bitmap from selected
// Objects", "Copy as Bitmap" and the other bitmap conversions draw through it.
#pragma once

#include <cstdint>
#include <vector>

#include "base/rect.h"

namespace tessel {

class CDIBSection;
class CDrawObject;
class CVellumDoc;

// Fill value meaning "the document's default": transparent black, so that the
// objects keep their own coverage in the picture.
constexpr int64_t kDocumentDefaultFill = -1;

struct ObjectsToBitmapOptions {
  int margin = 0;                     // pixels added around the objects' union
  int64_t fill = kDocumentDefaultFill; // 0xAARRGGBB to start from, or the default
  bool wholeCanvas = false;           // picture of canvas size, objects at their places
  bool canvasOrigin = false;          // objects drawn relative to the canvas origin
};

// Composites the objects that are not hidden, in the given order, into dest (32-bit,
// recreated) and returns the canvas rectangle it covers: the union of the objects'
// effect rectangles grown by the margin, or the canvas rectangle with wholeCanvas. When
// the union is empty it is returned and dest is left untouched. doc gives the canvas
// size. A picture too large to allocate leaves dest empty.
CRect RenderObjectsToBitmap(const std::vector<CDrawObject*>& objects, CDIBSection& dest,
                            const ObjectsToBitmapOptions& options, const CVellumDoc& doc);

}  // namespace tessel
