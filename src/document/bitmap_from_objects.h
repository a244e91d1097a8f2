// Bitmap objects and clipboard pictures made from drawing objects: "Copy as Bitmap",
// "New Bitmap from selected Objects" and "Bitmap Shadow from selected Objects".
#pragma once

#include <vector>

#include "base/dib_section.h"
#include "document/object_fields.h"

namespace tessel {

class CDrawObject;
class CVellumDoc;

// Pixels added around the sources of a bitmap shadow, the blur radius of its alpha and
// how far it lies below and to the right of the sources.
constexpr int kShadowMargin = 10;
constexpr double kShadowBlurRadius = 5.0;
constexpr int kShadowOffset = 5;
// The name of the bitmap objects made from other objects.
constexpr char kConvertedBitmapName[] = "Bitmap";

// Blends a 32-bit picture by its alpha over an opaque colour (0x00BBGGRR) into a 24-bit
// picture of the same size: c = (c * a + colour * (255 - a)) / 255, truncated.
CDIBSection FlattenOverColour(const CDIBSection& picture, COLORREF colour);

// "Copy as Bitmap": the sources (taken in list order) composited with no margin and
// flattened over the document's background. Empty when nothing is visible.
CDIBSection PictureOfObjects(CVellumDoc& doc, const std::vector<CDrawObject*>& sources);

// "New Bitmap from selected Objects": a bitmap object named "Bitmap" on top of the
// document whose image is the sources' picture (list order, no margin), placed where
// they are. The sources stay. Returns the new object, or null (document unchanged)
// when nothing is visible. The caller records the undo step.
CDrawObject* NewBitmapFromObjects(CVellumDoc& doc, const std::vector<CDrawObject*>& sources);

// "Bitmap Shadow from selected Objects": the sources' picture with a margin of
// kShadowMargin, its alpha blurred at kShadowBlurRadius, as a bitmap object named
// "Shadow" kShadowOffset pixels right of and below the picture's place, put in the list
// just below the lowest source. Returns it, or null when nothing is visible.
CDrawObject* BitmapShadowFromObjects(CVellumDoc& doc, const std::vector<CDrawObject*>& sources);

}  // namespace tessel
