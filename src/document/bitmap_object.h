// Making a bitmap object from a picture: opening a plain image, pasting a picture from
// the clipboard, packages and the bitmap conversions all turn a picture into one
// drawing object this way.
#pragma once

#include <memory>

#include "base/dib_section.h"

namespace tessel {

class CDrawObject;

// A rendered bitmap object showing picture (32-bit, bottom-up) in a box of its size at
// (0, 0). Returns null when the picture is empty, of another depth, or cannot be
// rendered.
std::unique_ptr<CDrawObject> MakeBitmapObject(CDIBSection picture);

// Makes the object a bitmap object that shows its image (m_layer) in a box of the
// image's size with its top-left corner at (left, top): m_imageWidth and m_imageHeight
// take the image's size, and the object is rendered.
void ShowLayerAsBitmapObject(CDrawObject& object, int left, int top);

}  // namespace tessel
