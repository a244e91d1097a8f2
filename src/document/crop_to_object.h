// "Crop to Object": a bitmap object is cut to the shape of an object above it.
#pragma once

#include <string>

namespace tessel {

class CDrawObject;
class CVellumDoc;

extern const char* const kCropBottomMustBeBitmap;

// Of the two objects, the one earlier in the document's list is the bottom one, the
// other the top one, whatever order they were selected in. The bottom object must be a
// bitmap object, else kCropBottomMustBeBitmap is returned and nothing changes.
// Otherwise the top object is rendered without its transparency map, every pixel of
// the bottom object's image whose place on the canvas lies outside the top object's
// coverage becomes transparent (partly covered pixels keep that part of their alpha),
// the bottom object is rendered again and the top object is removed from the document
// and destroyed. *bottom (when given) receives the cut object. The caller records the
// undo step. Returns "" on success.
std::string CropToObject(CVellumDoc& doc, CDrawObject* first, CDrawObject* second, CDrawObject** bottom);

}  // namespace tessel
