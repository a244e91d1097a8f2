// The "Wireframe " view mode: objects drawn as their outlines only.
#pragma once

#include <vector>

namespace tessel {

class CDIBSection;
class CDrawObject;

// Draws the outlines of the objects that are not hidden onto canvas (32-bit, bottom-up;
// canvas pixel (0, 0) shows document point (originX, originY)): shapes as their path
// and contour sets as their contours, inset by the mask margin, in black; bitmap
// objects as a rectangle around the box in dark red (128, 0, 0). Lines are one pixel
// wide and anti-aliased at any scale (the document enlarged scale times); nothing is
// filled.
void DrawWireframes(CDIBSection& canvas, const std::vector<const CDrawObject*>& objects, int originX = 0,
                    int originY = 0, int scale = 1);
// The same for one object.
void DrawWireframe(CDIBSection& canvas, const CDrawObject& object, int originX = 0, int originY = 0);

}  // namespace tessel
