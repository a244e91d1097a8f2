// "Combine XOR" and "Combine Objects (Union)": vector objects become one contour set.
#pragma once

#include <string>
#include <vector>

namespace tessel {

class CDrawObject;
class CVellumDoc;

extern const char* const kCombineBitmapFirst;
extern const char* const kCombineBitmapsSkipped;

enum CombineMode { kCombineXor = 0, kCombineUnion = 1 };

struct CombineResult {
  bool changed = false;  // the document changed: the caller records the undo step
  std::string message;   // to show afterwards, or ""
};

// The first member (in selection order) receives the outlines of the others. A first
// member that is a bitmap object refuses with kCombineBitmapFirst and nothing changes.
// Otherwise the first member becomes a plain contour set (a path is converted, an
// envelope or text has its envelope applied to its points) with the combine mode
// given; every further member that is not a bitmap object adds its contours at their
// place on the canvas and is removed from the document and destroyed. The first
// member's box grows to hold all contours, and it is rendered. Bitmap members stay
// untouched; when there were any the message is kCombineBitmapsSkipped.
CombineResult CombineObjects(CVellumDoc& doc, const std::vector<CDrawObject*>& selection, CombineMode mode);

}  // namespace tessel
