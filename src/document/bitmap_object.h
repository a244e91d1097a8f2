// Turning an object whose layer holds a picture into a bitmap object.
#pragma once

namespace tessel {

class CDrawObject;

// Makes the object a bitmap object that shows its image (m_layer) in a box of the
// image's size with its top-left corner at (left, top): m_imageWidth and m_imageHeight
// take the image's size, and the object is rendered.
void MakeBitmapObject(CDrawObject& object, int left, int top);

}  // namespace tessel
