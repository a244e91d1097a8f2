// Making a bitmap object from a picture: opening a plain image and pasting a picture
// from the clipboard both turn a picture into one drawing object this way.
#pragma once

#include <memory>

#include "base/dib_section.h"

namespace tessel {

class CDrawObject;

// A rendered bitmap object showing picture (32-bit, bottom-up) in a box of its size at
// (0, 0). Returns null when the picture is empty, of another depth, or cannot be
// rendered.
std::unique_ptr<CDrawObject> MakeBitmapObject(CDIBSection picture);

}  // namespace tessel
